// SPDX-License-Identifier: GPL-3.0-or-later
// A skinned window through the toolkit's accessibility API, as a screen reader queries it.
#include "SkinTestSupport.h"

#include "ui/AccessibleAnnouncer.h"
#include "ui/CSkinScrollBar.h"
#include "ui/SkinnedWindow.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using namespace SkinTest;

// Two captioned buttons, a picture-only close button, a tab with a label over it, a key, an entry
// without id, and a tab under a hidden label.
constexpr std::array<ControlSpec, 9> kRows{{
    {.id = 85,
     .captionZh = "写入按键",
     .captionEn = "Write",
     .rect = {100, 92, 190, 128},
     .role = ControlRole::Button},
    {.id = 86,
     .captionZh = "读取",
     .captionEn = "Read",
     .rect = {200, 92, 290, 128},
     .role = ControlRole::Button},
    {.id = 89, .captionZh = "", .captionEn = "", .rect = {967, 20, 992, 50}, .role = ControlRole::Close},
    {.id = 90, .rect = {300, 300, 400, 340}, .role = ControlRole::Tab},
    {.id = 40,
     .captionZh = "单键",
     .captionEn = "Single",
     .rect = {310, 305, 390, 335},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = 120,
     .captionZh = "W",
     .captionEn = "W",
     .rect = {200, 200, 240, 240},
     .keyIndex = 21,
     .role = ControlRole::Key},
    {.id = 0, .captionZh = "x", .captionEn = "x", .rect = {500, 500, 540, 540}},
    // A tab whose words belong to a page not shown.
    {.id = 91, .rect = {600, 300, 700, 340}, .role = ControlRole::Tab},
    {.id = 41,
     .captionZh = "别页",
     .captionEn = "Other page",
     .rect = {610, 305, 690, 335},
     .isLabel = true,
     .visible = false,
     .role = ControlRole::Label},
}};
constexpr std::size_t kSpokenRows = 8;

// The ids of the rows a reader sees, in table order.
std::vector<int> spokenIds() {
    std::vector<int> ids;
    for (const ControlSpec& row : kRows) {
        if (row.id > 0)
            ids.push_back(row.id);
    }
    return ids;
}

class ReadWindow : public SkinnedWindow {
public:
    explicit ReadWindow(const WindowContext& context)
        : SkinnedWindow(context, scheme(), kRows, kRows.size()) {}
    static SkinScheme scheme() {
        SkinScheme scheme;
        scheme.pictures = {kBackgroundSlot, kHoverSlot, kPressedSlot};
        return scheme;
    }
    std::vector<int> clicks;
    std::string keyWords = "red";
    bool tabEnabled = true;

protected:
    void onClick(int id) override { clicks.push_back(id); }
    std::string keyDescription(int /*keyIndex*/) const override { return keyWords; }
    bool isEnabledControl(const SkinControl& control) const override {
        return control.id != 90 || tabEnabled;
    }
};

// The read window with a progress bar it draws itself.
class GaugeWindow : public ReadWindow {
public:
    using ReadWindow::ReadWindow;
    double percent = 40;

protected:
    std::vector<SkinGauge> gauges() const override {
        return {{.name = {.zh = "进度", .en = "Progress"}, .area = {40, 150, 340, 177}, .value = percent}};
    }
};

std::vector<QAccessible::Event> heard;
void hear(QAccessibleEvent* event) {
    heard.push_back(event->type());
}

class SkinAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        AccessibleAnnouncer::setSink(hear);
        window = makeWindow();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QCoreApplication::processEvents();
        heard.clear();
    }
    virtual std::unique_ptr<ReadWindow> makeWindow() {
        return std::make_unique<ReadWindow>(environment.context());
    }
    void TearDown() override {
        window.reset();
        AccessibleAnnouncer::setSink(nullptr);
    }
    QAccessibleInterface* tree() const { return QAccessible::queryAccessibleInterface(window.get()); }
    QAccessibleInterface* entry(int id) const {
        QAccessibleInterface* root = tree();
        for (int child = 0; child < root->childCount(); ++child) {
            if (root->child(child)->text(QAccessible::Name) == nameOfId(id))
                return root->child(child);
        }
        return nullptr;
    }
    QString nameOfId(int id) const { return window->spokenName(window->findById(id)); }
    void repaint() {
        window->repaint();
        QCoreApplication::processEvents();
    }
    bool heardOf(QAccessible::Event type) const {
        return std::find(heard.begin(), heard.end(), type) != heard.end();
    }

    Environment environment;
    std::unique_ptr<ReadWindow> window;
};

TEST_F(SkinAccessibleTest, EveryEntryWithAnIdIsAChildWhoseParentIsTheWindow) {
    QAccessibleInterface* root = tree();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->role(), QAccessible::Dialog);
    ASSERT_EQ(root->childCount(), static_cast<int>(kSpokenRows));
    for (int child = 0; child < root->childCount(); ++child) {
        QAccessibleInterface* entry = root->child(child);
        ASSERT_NE(entry, nullptr) << child;
        EXPECT_EQ(root->indexOfChild(entry), child);
        EXPECT_EQ(entry->parent(), root);
        EXPECT_EQ(root->child(child), entry) << "the same entry is one interface";
        EXPECT_TRUE(window->rect().contains(window->mapFromGlobal(entry->rect().center())));
        EXPECT_EQ(root->childAt(entry->rect().center().x(), entry->rect().center().y()) != nullptr, true);
    }
}

// Names in both languages: captions, a label over a picture-only entry, a picture-only close button.
TEST_F(SkinAccessibleTest, NamesFollowTheLanguage) {
    struct Case {
        int id;
        const char* zh;
        const char* en;
        QAccessible::Role role;
    };
    const std::vector<Case> cases{
        {85, "写入按键", "Write", QAccessible::PushButton}, {89, "关闭", "Close", QAccessible::PushButton},
        {90, "单键", "Single", QAccessible::PageTab},       {40, "单键", "Single", QAccessible::StaticText},
        {120, "W", "W", QAccessible::PushButton},           {91, "", "", QAccessible::PageTab},
    };
    for (const char* language : {"zh-CN", "en-US"}) {
        environment.store.language = language;
        for (const Case& c : cases) {
            const std::size_t index = window->findById(c.id);
            const QString expected = QString::fromUtf8(std::string(language) == "en-US" ? c.en : c.zh);
            EXPECT_EQ(window->spokenName(index), expected) << c.id << " " << language;
            EXPECT_EQ(window->spokenRole(index), c.role) << c.id;
        }
    }
}

// The press action runs the command of the entry it belongs to, as a click on it does, and only for
// entries a click reaches.
TEST_F(SkinAccessibleTest, PressActsLikeAClickOnTheSameEntry) {
    QAccessibleInterface* root = tree();
    for (int child = 0; child < root->childCount(); ++child) {
        QAccessibleInterface* entry = root->child(child);
        QAccessibleActionInterface* actions = entry->actionInterface();
        ASSERT_NE(actions, nullptr);
        const QPoint centre = window->mapFromGlobal(entry->rect().center());
        window->clicks.clear();
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre);
        const std::vector<int> clicked = window->clicks;
        window->clicks.clear();
        const int id = spokenIds()[static_cast<std::size_t>(child)];
        if (!actions->actionNames().contains(QAccessibleActionInterface::pressAction())) {
            EXPECT_TRUE(std::find(clicked.begin(), clicked.end(), id) == clicked.end()) << id;
            continue;
        }
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(window->clicks.empty()) << "the reader's call returns before the command runs";
        QCoreApplication::processEvents();
        EXPECT_EQ(window->clicks, clicked) << id;
        EXPECT_EQ(window->clicks, std::vector<int>{id});
    }
}

TEST_F(SkinAccessibleTest, StatesFollowTheWindow) {
    QAccessibleInterface* tab = entry(90);
    ASSERT_NE(tab, nullptr);
    EXPECT_FALSE(tab->state().disabled);
    EXPECT_TRUE(tab->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    window->tabEnabled = false;
    EXPECT_TRUE(tab->state().disabled);
    EXPECT_TRUE(tab->actionInterface()->actionNames().isEmpty()) << "a disabled entry offers no press";
    window->setSelectedById(90, true);
    EXPECT_TRUE(tab->state().selected);
    repaint();
    EXPECT_TRUE(heardOf(QAccessible::StateChanged));
}

// A change the window shows reaches a listening reader with the next paint, not only when it asks.
TEST_F(SkinAccessibleTest, ChangesAreAnnouncedWithTheirPaint) {
    QAccessibleInterface* key = entry(120);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->text(QAccessible::Description), "red");
    window->keyWords = "blue";
    EXPECT_EQ(key->text(QAccessible::Description), "blue");
    repaint();
    EXPECT_TRUE(heardOf(QAccessible::DescriptionChanged));
    EXPECT_FALSE(heardOf(QAccessible::NameChanged));
    heard.clear();
    environment.store.language = "en-US";
    repaint();
    EXPECT_TRUE(heardOf(QAccessible::NameChanged));
    heard.clear();
    repaint();
    EXPECT_TRUE(heard.empty()) << "nothing changed, nothing said";
}

class SkinGaugeAccessibleTest : public SkinAccessibleTest {
protected:
    std::unique_ptr<ReadWindow> makeWindow() override {
        return std::make_unique<GaugeWindow>(environment.context());
    }
    GaugeWindow& gaugeWindow() const { return static_cast<GaugeWindow&>(*window); }
    // The gauges come after the table's entries.
    QAccessibleInterface* gauge() const { return tree()->child(static_cast<int>(kSpokenRows)); }
};

TEST_F(SkinGaugeAccessibleTest, GaugeIsAChildAfterTheEntriesWithItsValue) {
    QAccessibleInterface* root = tree();
    ASSERT_EQ(root->childCount(), static_cast<int>(kSpokenRows) + 1);
    QAccessibleInterface* bar = gauge();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    EXPECT_EQ(bar->parent(), root);
    EXPECT_EQ(root->indexOfChild(bar), static_cast<int>(kSpokenRows));
    EXPECT_EQ(gauge(), bar) << "the same gauge is one interface";
    EXPECT_EQ(root->childAt(bar->rect().center().x(), bar->rect().center().y()), bar);
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_EQ(bar->valueInterface()->currentValue().toDouble(), 40);
    EXPECT_EQ(bar->valueInterface()->minimumValue().toDouble(), 0);
    EXPECT_EQ(bar->valueInterface()->maximumValue().toDouble(), 100);
    bar->valueInterface()->setCurrentValue(90);
    EXPECT_EQ(bar->valueInterface()->currentValue().toDouble(), 40) << "a reader cannot move a gauge";
}

TEST_F(SkinGaugeAccessibleTest, GaugeValueAndNameFollowTheWindowAndAreAnnounced) {
    QAccessibleInterface* bar = gauge();
    ASSERT_NE(bar, nullptr);
    struct Step {
        double percent;
        const char* language;
        const char* name;
        QAccessible::Event heard;
    };
    const std::vector<Step> steps{
        {75, "zh-CN", "进度", QAccessible::ValueChanged},
        {75, "en-US", "Progress", QAccessible::NameChanged},
        {100, "en-US", "Progress", QAccessible::ValueChanged},
    };
    for (const Step& step : steps) {
        heard.clear();
        gaugeWindow().percent = step.percent;
        environment.store.language = step.language;
        EXPECT_EQ(bar->valueInterface()->currentValue().toDouble(), step.percent);
        EXPECT_EQ(bar->text(QAccessible::Name), QString::fromUtf8(step.name));
        repaint();
        EXPECT_TRUE(heardOf(step.heard)) << step.percent << " " << step.language;
    }
    heard.clear();
    repaint();
    EXPECT_TRUE(heard.empty()) << "a gauge that did not move is not announced";
}

// A skinned scroll bar is a scroll bar whose value is its position, up to the last whole page.
TEST_F(SkinAccessibleTest, ScrollBarSaysItsPositionAndAnnouncesAMove) {
    CSkinScrollBar bar(Qt::Vertical, window.get());
    bar.setScrollInfo(ScrollInfo::kAll, {.minimum = 0, .maximum = 19, .page = 5, .position = 3}, false);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->role(), QAccessible::ScrollBar);
    ASSERT_NE(spoken->valueInterface(), nullptr);
    EXPECT_EQ(spoken->valueInterface()->currentValue().toInt(), 3);
    EXPECT_EQ(spoken->valueInterface()->minimumValue().toInt(), 0);
    EXPECT_EQ(spoken->valueInterface()->maximumValue().toInt(), 15);
    heard.clear();
    bar.setScrollInfo(ScrollInfo::kPosition, {.position = 7}, true);
    EXPECT_EQ(spoken->valueInterface()->currentValue().toInt(), 7);
    EXPECT_TRUE(heardOf(QAccessible::ValueChanged));
    heard.clear();
    bar.setScrollInfo(ScrollInfo::kPosition, {.position = 7}, true);
    EXPECT_TRUE(heard.empty()) << "a bar that did not move is not announced";
}

} // namespace
