// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPlatformServices.h"

#include "platform/FileDialogFilter.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <utility>
#include <vector>

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The buttons of each set, the first being the default, with the answer each gives.
std::vector<std::pair<QMessageBox::StandardButton, MessageAnswer>> qtButtons(MessageButtons buttons) {
    using B = QMessageBox;
    switch (buttons) {
    case MessageButtons::Ok:
        return {{B::Ok, MessageAnswer::Ok}};
    case MessageButtons::OkCancel:
        return {{B::Ok, MessageAnswer::Ok}, {B::Cancel, MessageAnswer::Cancel}};
    case MessageButtons::YesNo:
        return {{B::Yes, MessageAnswer::Yes}, {B::No, MessageAnswer::No}};
    case MessageButtons::YesNoCancel:
        return {{B::Yes, MessageAnswer::Yes}, {B::No, MessageAnswer::No}, {B::Cancel, MessageAnswer::Cancel}};
    }
    return {{B::Ok, MessageAnswer::Ok}};
}

// Closing the box without a button gives what Escape gives: the last button of the set.
MessageAnswer answerFor(QMessageBox::StandardButton clicked,
                        const std::vector<std::pair<QMessageBox::StandardButton, MessageAnswer>>& buttons) {
    for (const auto& [button, answer] : buttons) {
        if (button == clicked)
            return answer;
    }
    return buttons.back().second;
}

QString titleOrApplicationName(const QString& title) {
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

} // namespace

QtPlatformServices::QtPlatformServices() = default;

QtPlatformServices::~QtPlatformServices() = default;

MessageAnswer QtPlatformServices::showMessage(QWidget* parent, const QString& text, const QString& title,
                                              MessageButtons buttons, MessageIcon icon) {
    const auto choices = qtButtons(buttons);
    QMessageBox box(qtIcon(icon), titleOrApplicationName(title), text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    for (const auto& choice : choices)
        box.addButton(choice.first);
    box.setDefaultButton(choices.front().first);
    box.setEscapeButton(box.button(choices.back().first));
    box.exec();
    return answerFor(box.standardButton(box.clickedButton()), choices);
}

std::optional<QString> QtPlatformServices::chooseOpenFile(QWidget* parent, const QString& filter,
                                                          const QString& defaultExtension) {
    return chooseFile(parent, FileMode::Open, filter, defaultExtension);
}

std::optional<QString> QtPlatformServices::chooseSaveFile(QWidget* parent, const QString& filter,
                                                          const QString& defaultExtension) {
    return chooseFile(parent, FileMode::Save, filter, defaultExtension);
}

std::optional<QString> QtPlatformServices::chooseFile(QWidget* parent, FileMode mode, const QString& filter,
                                                      const QString& defaultExtension) {
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode == FileMode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode == FileMode::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList nameFilters = qtNameFilters(parseFileDialogFilter(filter));
    if (!nameFilters.isEmpty())
        dialog.setNameFilters(nameFilters);
    QString suffix = defaultExtension;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!lastFolder_.isEmpty())
        dialog.setDirectory(lastFolder_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = withDefaultExtension(dialog.selectedFiles().constFirst(), defaultExtension);
    lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

std::optional<std::uint32_t> QtPlatformServices::chooseColour(QWidget* parent, std::uint32_t initial) {
    QColorDialog dialog(QColor::fromRgb(static_cast<QRgb>(initial & 0xFFFFFFU)), parent);
    dialog.setObjectName(QStringLiteral("colourDialog"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return static_cast<std::uint32_t>(dialog.selectedColor().rgb()) & 0xFFFFFFU;
}

bool QtPlatformServices::trayAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtPlatformServices::showTrayIcon(const QIcon& icon, const QString& toolTip) {
    tray_.show(icon, toolTip);
}

void QtPlatformServices::hideTrayIcon() {
    tray_.hide();
}

void QtPlatformServices::setTrayMenu(std::vector<TrayMenuEntry> entries,
                                     std::function<void(int id)> onChosen) {
    tray_.setMenu(std::move(entries), std::move(onChosen));
}

void QtPlatformServices::setTrayDoubleClickHandler(std::function<void()> onDoubleClick) {
    tray_.setDoubleClickHandler(std::move(onDoubleClick));
}

bool QtPlatformServices::openWithDesktop(const QString& path) {
    if (!QFileInfo::exists(path))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

QSize QtPlatformServices::primaryScreenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    return screen->geometry().size() * screen->devicePixelRatio();
}

void QtPlatformServices::useLanguage(const QString& language) {
    const bool chinese = language == QStringLiteral("zh-CN");
    if (chinese == (translator_ != nullptr))
        return;
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    // Without the toolkit's translations installed the dialogs simply stay in English.
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
}
