#pragma once

// Which of the three activity tables: hours, money or frequency (how often things are done).
enum class TableKind { Hours, Money, Frequency };
