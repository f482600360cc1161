// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of trigger values the rapid-trigger windows and qelec-ctl share: the fine-adjust steps,
// the range and repair rules, the travel gauges and the texts.
#include "trigger/TravelGauge.h"
#include "trigger/rules/FineAdjustSteps.h"
#include "trigger/rules/LevelColours.h"
#include "trigger/rules/TriggerRanges.h"
#include "trigger/rules/TriggerTexts.h"

#include <gtest/gtest.h>

namespace {

using namespace FineAdjustSteps;
using enum FineAdjustControlId;

struct StepCase {
    const char* name;
    FineAdjustControlId id;
    TriggerTriple before;
    TriggerTriple after; // equal to before when the step is refused
};

class FineAdjustStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(FineAdjustStepTest, StepsOnlyWhileItsConditionHolds) {
    const StepCase& step = GetParam();
    TriggerTriple values = step.before;
    EXPECT_EQ(apply(step.id, values), step.before != step.after);
    EXPECT_EQ(values, step.after);
}

const StepCase kStepCases[] = {
    {"UpperDown", UpperDecrease, {8, 20, 0}, {7, 20, 0}},
    {"UpperDownAtFloor", UpperDecrease, {6, 20, 0}, {6, 20, 0}},
    {"UpperUp", UpperIncrease, {8, 20, 0}, {9, 20, 0}},
    {"UpperUpAtCeiling", UpperIncrease, {24, 26, 0}, {24, 26, 0}},
    {"UpperUpTouchingLower", UpperIncrease, {10, 11, 0}, {10, 11, 0}},
    {"UpperUpLeavingOneBetween", UpperIncrease, {9, 11, 0}, {10, 11, 0}},
    {"LowerDown", LowerDecrease, {8, 20, 0}, {8, 19, 0}},
    {"LowerDownAtFloor", LowerDecrease, {6, 8, 0}, {6, 8, 0}},
    {"LowerDownTouchingUpper", LowerDecrease, {10, 11, 0}, {10, 11, 0}},
    {"LowerUp", LowerIncrease, {8, 20, 0}, {8, 21, 0}},
    {"LowerUpAtCeiling", LowerIncrease, {8, 26, 0}, {8, 26, 0}},
    {"ThresholdDown", ThresholdDecrease, {8, 20, 2}, {8, 20, 1}},
    {"ThresholdDownAtFloor", ThresholdDecrease, {8, 20, 0}, {8, 20, 0}},
    {"ThresholdUp", ThresholdIncrease, {8, 20, 3}, {8, 20, 4}},
    {"ThresholdUpAtCeiling", ThresholdIncrease, {8, 20, 4}, {8, 20, 4}},
    // Values that arrive crossed only allow the steps that part them.
    {"CrossedUpperUp", UpperIncrease, {20, 12, 0}, {20, 12, 0}},
    {"CrossedLowerDown", LowerDecrease, {20, 12, 0}, {20, 12, 0}},
    {"CrossedUpperDown", UpperDecrease, {20, 12, 0}, {19, 12, 0}},
    {"CrossedLowerUp", LowerIncrease, {20, 12, 0}, {20, 13, 0}},
    {"NotAnArrow", Cancel, {8, 20, 0}, {8, 20, 0}},
};

INSTANTIATE_TEST_SUITE_P(Arrows, FineAdjustStepTest, ::testing::ValuesIn(kStepCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(FineAdjustSteps, FromTheWidestSpanUpperClimbsEighteenTimesThenLowerStopsOneAbove) {
    TriggerTriple values{6, 26, 0};
    int steps = 0;
    while (apply(UpperIncrease, values))
        ++steps;
    EXPECT_EQ(steps, 18);
    EXPECT_EQ(values[TriggerRanges::kUpper], 24);
    while (apply(LowerDecrease, values)) {
    }
    EXPECT_EQ(values, (TriggerTriple{24, 25, 0}));
}

struct RangeCase {
    TriggerTriple stored;
    TriggerTriple shown;    // the repair rule of the keyboard view
    TriggerTriple adjusted; // what the fine-adjust window starts from
};

TEST(TriggerRanges, RepairAndAdjustRulesReplaceOnlyWhatIsOutOfRange) {
    const RangeCase cases[] = {
        {{8, 20, 0}, {8, 20, 0}, {8, 20, 0}},  {{0, 0, 0}, {6, 26, 0}, {6, 26, 0}},
        {{25, 27, 7}, {6, 26, 7}, {6, 26, 0}}, {{5, 7, -1}, {6, 26, -1}, {6, 26, 0}},
        {{24, 8, 4}, {24, 8, 4}, {24, 8, 4}},  {{6, 26, 5}, {6, 26, 5}, {6, 26, 0}},
    };
    for (const RangeCase& range : cases) {
        EXPECT_EQ(TriggerRanges::repairedTravels(range.stored), range.shown);
        EXPECT_EQ(TriggerRanges::intoAdjustRange(range.stored), range.adjusted);
    }
}

TEST(TriggerRanges, ProblemsNameTheValueAndItsRangeInMillimetres) {
    EXPECT_EQ(TriggerRanges::problemWith({8, 20, 0}), std::nullopt);
    EXPECT_EQ(TriggerRanges::problemWith({6, 26, 4}), std::nullopt);
    EXPECT_EQ(TriggerRanges::problemWith({24, 25, 0}), std::nullopt);
    EXPECT_EQ(TriggerRanges::problemWith({5, 20, 0}), "the press travel 0.5mm is outside 0.6mm to 2.4mm");
    EXPECT_EQ(TriggerRanges::problemWith({8, 27, 0}), "the release travel 2.7mm is outside 0.8mm to 2.6mm");
    EXPECT_EQ(TriggerRanges::problemWith({8, 20, 5}),
              "the rapid-trigger threshold 0.6mm is outside 0.1mm to 0.5mm");
    EXPECT_EQ(TriggerRanges::problemWith({20, 20, 0}),
              "the press travel 2.0mm is not below the release travel 2.0mm");
    EXPECT_EQ(TriggerRanges::problemWith({22, 12, 0}),
              "the press travel 2.2mm is not below the release travel 1.2mm");
}

// The tracking window's travel mapping and bar: 0.8 mm or less is empty, 2.4 mm or more is full.
TEST(TravelGauge, TrackedTravelMapsOntoTheBar) {
    const struct {
        std::uint16_t travel;
        int height;
    } cases[] = {{0, 0},   {8, 0},   {9, 19},  {10, 21}, {11, 23}, {12, 25},
                 {15, 32}, {23, 49}, {24, 60}, {28, 60}, {40, 60}, {65535, 60}};
    for (const auto& sample : cases)
        EXPECT_EQ(TravelGauge::trackBarHeight(sample.travel), sample.height) << sample.travel;
}

TEST(TravelGauge, BarMovesOnlyByMoreThanTwoUnits) {
    EXPECT_FALSE(TravelGauge::movesBar(21, 23));
    EXPECT_FALSE(TravelGauge::movesBar(23, 21));
    EXPECT_FALSE(TravelGauge::movesBar(0, 0));
    EXPECT_TRUE(TravelGauge::movesBar(21, 25));
    EXPECT_TRUE(TravelGauge::movesBar(25, 21));
    EXPECT_TRUE(TravelGauge::movesBar(0, 60));
}

TEST(TravelGauge, FineAdjustBarSpansFromPressToReleaseTravel) {
    EXPECT_EQ(TravelGauge::spanBetween(6, 26).top, 12);
    EXPECT_EQ(TravelGauge::spanBetween(6, 26).height, 43); // y 106 to 149 under a gauge at 94
    EXPECT_EQ(TravelGauge::spanBetween(15, 15).height, 0);
    EXPECT_LT(TravelGauge::spanBetween(20, 12).height, 0);
}

TEST(TriggerTexts, LabelsCoverTheirRangesAndNothingElse) {
    EXPECT_EQ(TriggerTexts::travelLabel(6), "0.6mm");
    EXPECT_EQ(TriggerTexts::travelLabel(20), "2.0mm");
    EXPECT_EQ(TriggerTexts::travelLabel(30), "3.0mm");
    for (int empty : {-1, 0, 5, 31, 39, 40, 1000})
        EXPECT_EQ(TriggerTexts::travelLabel(empty), "") << empty;
    EXPECT_EQ(TriggerTexts::thresholdLabel(0), "0.1mm");
    EXPECT_EQ(TriggerTexts::thresholdLabel(4), "0.5mm");
    EXPECT_EQ(TriggerTexts::thresholdLabel(5), "");
    EXPECT_EQ(TriggerTexts::thresholdLabel(-1), "");
    EXPECT_EQ(TriggerTexts::travelNumber(6), "0.6");
    EXPECT_EQ(TriggerTexts::travelNumber(26), "2.6");
    EXPECT_EQ(TriggerTexts::travelNumber(31), "");
    EXPECT_EQ(TriggerTexts::thresholdNumber(2), "0.3");
    EXPECT_EQ(TriggerTexts::millimetres(0), "0.0mm");
    EXPECT_EQ(TriggerTexts::millimetres(-3), "-0.3mm");
    EXPECT_EQ(TriggerTexts::millimetres(123), "12.3mm");
}

TEST(TriggerTexts, InformationInBothLanguagesSaysWhenTheThresholdIsOutOfRange) {
    EXPECT_EQ(TriggerTexts::informationIntro("zh-CN"), "上限：\r\n下限：\r\n阈值：\r\n");
    EXPECT_EQ(TriggerTexts::informationIntro("en-US"), "Upper Limit:\r\nLower Limit:\r\nThreshold:\r\n");
    EXPECT_EQ(TriggerTexts::informationIntro("fr-FR"), "");
    EXPECT_EQ(TriggerTexts::information("zh-CN", {8, 20, 0}),
              "上限：0.8mm\r\n下限：2.0mm\r\n阈值：0.1mm\r\n");
    EXPECT_EQ(TriggerTexts::information("en-US", {6, 26, 4}),
              "Upper Limit: 0.6mm\r\nLower Limit: 2.6mm\r\nThreshold: 0.5mm\r\n");
    EXPECT_EQ(TriggerTexts::information("zh-CN", {8, 20, 9}),
              "上限：0.8mm\r\n下限：2.0mm\r\n阈值：超出范围\r\n");
    EXPECT_EQ(TriggerTexts::information("en-US", {8, 20, -2}),
              "Upper Limit: 0.8mm\r\nLower Limit: 2.0mm\r\nThreshold: out of range\r\n");
    EXPECT_EQ(TriggerTexts::information("", {8, 20, 0}), "");
}

TEST(LevelColours, EveryTravelFromSixToTwentyEightHasItsColour) {
    EXPECT_EQ(LevelColours::of(6), rgb(78, 20, 0));
    EXPECT_EQ(LevelColours::of(8), rgb(189, 64, 0));
    EXPECT_EQ(LevelColours::of(16), rgb(0, 255, 0));
    EXPECT_EQ(LevelColours::of(20), rgb(0, 64, 64));
    EXPECT_EQ(LevelColours::of(22), rgb(32, 49, 134));
    EXPECT_EQ(LevelColours::of(26), rgb(0, 0, 128));
    EXPECT_EQ(LevelColours::of(28), rgb(0, 0, 0));
    EXPECT_EQ(LevelColours::of(5), rgb(0, 0, 0));
    EXPECT_EQ(LevelColours::of(29), rgb(0, 0, 0));
}

} // namespace
