// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "trigger/rules/TriggerRanges.h"

#include <string>
#include <string_view>

// The texts the trigger windows and qelec-ctl show for trigger values.
namespace TriggerTexts {

// TravelLabels: entry v is "0.6mm" ... "3.0mm" for v = 6 to 30; every other entry is empty.
inline constexpr int kTravelLabelCount = 40;
std::string_view travelLabel(int tenths);
// ThresholdLabels: "0.1mm" ... "0.5mm" for codes 0 to 4; empty for any other code.
std::string_view thresholdLabel(int code);

// The fine-adjust window's number boxes: "0.6" ... "3.0" for travels 6 to 30, "0.1" ... "0.5" for
// threshold codes 0 to 4, empty otherwise.
std::string_view travelNumber(int tenths);
std::string_view thresholdNumber(int code);

// Any travel in 0.1 mm as millimetres with one decimal, such as "0.8mm" or "-0.3mm".
std::string millimetres(int tenths);
// The threshold code c as millimetres, (c + 1) x 0.1 mm.
std::string thresholdMillimetres(int code);

// What the fine-adjust window's bar spans, from the press travel to the release travel, both in 0.1 mm:
// "1.2mm 至 2.0mm", "1.2mm to 2.0mm".
std::string travelSpan(std::string_view language, int upper, int lower);

// The information box of the rapid-trigger window before the mouse has been over a key, for the
// language ("zh-CN" or "en-US"; empty for any other).
std::string_view informationIntro(std::string_view language);
// The information box for a key holding values (travels already repaired): the three labels, with
// "\r\n" after each line. A threshold code outside 0..4 says it is out of range.
std::string information(std::string_view language, const TriggerTriple& values);
// What the box shows for a threshold code outside 0..4.
std::string_view outOfRange(std::string_view language);

} // namespace TriggerTexts
