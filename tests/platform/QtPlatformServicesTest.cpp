// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPlatformServices.h"

#include "support/TempDir.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// Runs act on the modal dialog that the next call opens, once its event loop runs.
template <typename Dialog>
void whenShown(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

} // namespace

TEST(QtPlatformServices, ConstructedItShowsNothingAndKnowsTheScreen) {
    QtPlatformServices services;
    services.hideTrayIcon();
    services.setTrayMenu({{2, "Exit"}}, [](int) {});
    for (const QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString();
    EXPECT_FALSE(services.primaryScreenSize().isEmpty());
    EXPECT_FALSE(services.openWithDesktop("/nonexistent/QelEC.chm"));
}

TEST(QtPlatformServices, MessageBoxAnswersAreThePlatformCodes) {
    QtPlatformServices services;
    QString title;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.text(), "Save configuration file of key??");
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(services.showMessage(nullptr, "Save configuration file of key??", "", MessageButtons::YesNo,
                                   MessageIcon::Question),
              MessageAnswer::No);
    EXPECT_EQ(title, QGuiApplication::applicationDisplayName());

    whenShown<QMessageBox>([](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(services.showMessage(nullptr, "?", "QelEC", MessageButtons::YesNoCancel, MessageIcon::Warning),
              MessageAnswer::Cancel);
}

TEST(QtPlatformServices, SaveDialogFiltersAddsTheExtensionAndConfirmsReplacing) {
    TempDir folder;
    std::ofstream(folder.file("old.pro")) << "<x/>";
    QtPlatformServices services;
    const QString filter = "pro(*.pro)|*.pro|All Files(*.*)|*.*||";

    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.nameFilters(), QStringList({"pro (*.pro)", "All Files (*)"}));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        dialog.selectFile(QString::fromStdString(folder.file("new")));
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(services.chooseSaveFile(nullptr, filter, "pro"),
              QString::fromStdString(folder.file("new.pro")));

    bool asked = false;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        whenShown<QMessageBox>([&](QMessageBox& question) {
            asked = true;
            question.button(QMessageBox::Yes)->click();
        });
        dialog.selectFile(QString::fromStdString(folder.file("old")));
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(services.chooseSaveFile(nullptr, filter, "pro"),
              QString::fromStdString(folder.file("old.pro")));
    EXPECT_TRUE(asked);

    whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(services.chooseOpenFile(nullptr, "bin(*.bin)|*.bin", "bin"), std::nullopt);
}

TEST(QtPlatformServices, ColourChooserStartsAtTheColourAndReturnsTheChosenOne) {
    QtPlatformServices services;
    whenShown<QColorDialog>([](QColorDialog& dialog) {
        EXPECT_EQ(dialog.currentColor(), QColor(0x12, 0x34, 0x56));
        dialog.setCurrentColor(QColor(0xAB, 0xCD, 0xEF));
        dialog.accept();
    });
    EXPECT_EQ(services.chooseColour(nullptr, 0x123456), std::optional<std::uint32_t>(0xABCDEF));
    whenShown<QColorDialog>([](QColorDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(services.chooseColour(nullptr, 0x123456), std::nullopt);
}

TEST(QtPlatformServices, TrayMenuChoiceReachesAHandlerThatMayReplaceTheMenu) {
    QtPlatformServices services;
    std::vector<int> chosen;
    std::function<void(int)> onChosen = [&](int id) {
        chosen.push_back(id);
        services.setTrayMenu({{2, "Exit"}}, onChosen);
    };
    services.setTrayMenu({{2, QString::fromUtf8("关闭")}, {3, "Other"}}, onChosen);
    QMenu* menu = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        menu = widget->objectName() == "trayMenu" ? qobject_cast<QMenu*>(widget) : menu;
    ASSERT_NE(menu, nullptr);
    auto* exit = menu->findChild<QAction*>("trayMenuEntry2");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->text(), QString::fromUtf8("关闭"));
    exit->trigger();
    while (chosen.empty())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(chosen, std::vector<int>{2});
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().front()->text(), "Exit");
}

namespace {

// The toolkit's buttons and dialogs speak Chinese while the program does, and English again after.
TEST(QtPlatformServices, ToolkitTextsFollowTheProgramsLanguage) {
    QtPlatformServices platform;
    const QString english = QCoreApplication::translate("QFileDialog", "Save As");
    ASSERT_EQ(english, "Save As");
    platform.useLanguage(QStringLiteral("zh-CN"));
    const QString chinese = QCoreApplication::translate("QFileDialog", "Save As");
    if (chinese == english)
        GTEST_SKIP() << "the toolkit's Simplified Chinese translations are not installed";
    platform.useLanguage(QStringLiteral("zh-CN"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), chinese);
    platform.useLanguage(QStringLiteral("en-US"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), english);
}

} // namespace
