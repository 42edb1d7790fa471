#pragma once

#include <QString>

// Spans of time in the short form the notices and the menu use.
namespace DurationText {

// The two largest whole units, to the nearest minute and at least one: "1 hr. 12 min.",
// "2 days 3 hr.", "25 min.".
QString phrase(qint64 seconds);

}
