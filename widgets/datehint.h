#pragma once

class QLineEdit;
class QString;

// A date field says which form it expects, in the regional settings in force: "m/d/yyyy" as
// its placeholder, and in its tooltip (which screen readers speak as its description).
void showDateForm(QLineEdit *field);
// The second line that date messages gain: "Type the date as m/d/yyyy."
QString dateFormLine();
