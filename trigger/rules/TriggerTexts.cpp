// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/rules/TriggerTexts.h"

#include <array>
#include <cstdlib>
#include <span>

namespace TriggerTexts {

namespace {

constexpr int kFirstTravelLabel = 6;

constexpr std::array<const char*, 25> kTravelLabels{{
    "0.6mm", "0.7mm", "0.8mm", "0.9mm", "1.0mm", "1.1mm", "1.2mm", "1.3mm", "1.4mm",
    "1.5mm", "1.6mm", "1.7mm", "1.8mm", "1.9mm", "2.0mm", "2.1mm", "2.2mm", "2.3mm",
    "2.4mm", "2.5mm", "2.6mm", "2.7mm", "2.8mm", "2.9mm", "3.0mm",
}};
constexpr std::array<const char*, 5> kThresholdLabels{{"0.1mm", "0.2mm", "0.3mm", "0.4mm", "0.5mm"}};

constexpr std::array<const char*, 25> kTravelNumbers{{
    "0.6", "0.7", "0.8", "0.9", "1.0", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8",
    "1.9", "2.0", "2.1", "2.2", "2.3", "2.4", "2.5", "2.6", "2.7", "2.8", "2.9", "3.0",
}};
constexpr std::array<const char*, 5> kThresholdNumbers{{"0.1", "0.2", "0.3", "0.4", "0.5"}};

static_assert(kFirstTravelLabel + static_cast<int>(kTravelLabels.size()) - 1 == 30);
static_assert(kFirstTravelLabel + static_cast<int>(kTravelLabels.size()) <= kTravelLabelCount);

std::string_view entryOf(std::span<const char* const> texts, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= texts.size())
        return {};
    return texts[static_cast<std::size_t>(index)];
}

// The three lines of the information box in one language: what each value is called.
struct InformationWords {
    std::string_view language;
    std::string_view upper;
    std::string_view lower;
    std::string_view threshold;
    std::string_view outOfRange;
};

constexpr std::array<InformationWords, 2> kInformationWords{{
    {"zh-CN", "上限：", "下限：", "阈值：", "超出范围"},
    {"en-US", "Upper Limit:", "Lower Limit:", "Threshold:", "out of range"},
}};

const InformationWords* wordsFor(std::string_view language) {
    for (const InformationWords& words : kInformationWords) {
        if (words.language == language)
            return &words;
    }
    return nullptr;
}

} // namespace

std::string_view travelLabel(int tenths) {
    return entryOf(kTravelLabels, tenths - kFirstTravelLabel);
}

std::string_view thresholdLabel(int code) {
    return entryOf(kThresholdLabels, code);
}

std::string_view travelNumber(int tenths) {
    return entryOf(kTravelNumbers, tenths - kFirstTravelLabel);
}

std::string_view thresholdNumber(int code) {
    return entryOf(kThresholdNumbers, code);
}

std::string millimetres(int tenths) {
    const long long value = tenths;
    const long long whole = std::llabs(value) / 10;
    const long long tenth = std::llabs(value) % 10;
    return (value < 0 ? "-" : "") + std::to_string(whole) + "." + std::to_string(tenth) + "mm";
}

std::string thresholdMillimetres(int code) {
    return millimetres(code + 1);
}

std::string travelSpan(std::string_view language, int upper, int lower) {
    return millimetres(upper) + (language == "en-US" ? " to " : " 至 ") + millimetres(lower);
}

std::string_view informationIntro(std::string_view language) {
    if (language == "zh-CN")
        return "上限：\r\n下限：\r\n阈值：\r\n";
    if (language == "en-US")
        return "Upper Limit:\r\nLower Limit:\r\nThreshold:\r\n";
    return {};
}

std::string_view outOfRange(std::string_view language) {
    const InformationWords* words = wordsFor(language);
    return words == nullptr ? std::string_view{} : words->outOfRange;
}

std::string information(std::string_view language, const TriggerTriple& values) {
    const InformationWords* words = wordsFor(language);
    if (words == nullptr)
        return {};
    // The English lines put a space between the name and its value; the Chinese colon needs none.
    const std::string_view gap = language == "en-US" ? " " : "";
    const int code = values[TriggerRanges::kThreshold];
    const std::string_view threshold =
        TriggerRanges::thresholdInRange(code) ? thresholdLabel(code) : words->outOfRange;
    std::string text;
    text.append(words->upper).append(gap).append(travelLabel(values[TriggerRanges::kUpper])).append("\r\n");
    text.append(words->lower).append(gap).append(travelLabel(values[TriggerRanges::kLower])).append("\r\n");
    text.append(words->threshold).append(gap).append(threshold).append("\r\n");
    return text;
}

} // namespace TriggerTexts
