#pragma once

#include <QRgb>
#include <QWidget>
#include <array>

// A background of 256 horizontal colour bands: blue shading to black, or blue shading to red.
// The owner gives it its place, normally the whole area its other children leave free.
class TGradientBack : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool isAllBlue READ isAllBlue WRITE setIsAllBlue)

public:
    static constexpr int Bands = 256;

    explicit TGradientBack(QWidget *parent = nullptr);

    bool isAllBlue() const { return m_isAllBlue; }
    // Takes effect at the next repaint; setting it does not repaint by itself.
    void setIsAllBlue(bool allBlue) { m_isAllBlue = allBlue; }

    // Colour of band i (0 to 255) in the table in use.
    QRgb bandColour(int i) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_isAllBlue = false;
    std::array<QRgb, Bands> m_blue;
    std::array<QRgb, Bands> m_blueToRed;
};
