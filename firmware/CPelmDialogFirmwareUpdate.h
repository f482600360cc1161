// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "firmware/rules/FirmwareChecks.h"
#include "ui/SkinnedWindow.h"

#include <memory>
#include <string>

class FirmwareDownload;
class QLineEdit;

// The firmware update window: shows the keyboard's firmware version, lets the user pick a firmware
// file named for the attached variant and not older than the keyboard's firmware, and downloads it
// on a worker thread with a progress bar, saying the result in a message box. The window stays open
// after every result, so a failed download can be tried again.
//
// Closing the window during a download ends it at once, as the user asked; the download goes on
// under the window's owner, which says its result when it ends, and keeps the keyboard held until
// then (see FirmwareDownload).
class CPelmDialogFirmwareUpdate : public SkinnedWindow {
    Q_OBJECT

public:
    // The open-file dialog's filter and default extension.
    static constexpr const char* kFileFilter = "bin(*.bin)|*.bin";
    static constexpr const char* kFileExtension = "bin";

    explicit CPelmDialogFirmwareUpdate(const WindowContext& context, QWidget* parent = nullptr);
    // Hands a download that still runs over to the window's owner.
    ~CPelmDialogFirmwareUpdate() override;
    // The opener's runner for the window.
    static WindowOpener::Runner runner();

    // The keyboard's version as read when the window opened; 0.0 when it was not read.
    FirmwareChecks::FirmwareVersion localVersion() const { return localVersion_; }
    // The full path of the last file that passed the checks, and the name of the last file picked.
    const std::string& chosenPath() const { return chosenPath_; }
    const std::string& chosenName() const { return chosenName_; }
    // 0..100.
    int barPercentage() const { return barPercentage_; }
    // A download may be started.
    bool isReady() const { return ready_; }
    bool isDownloading() const;
    const QLineEdit& versionBox() const { return *versionBox_; }
    const QLineEdit& fileBox() const { return *fileBox_; }
    // The bar's rectangle on the window.
    QRect barArea() const;

protected:
    void onInit() override;
    std::span<const SpokenWidgetName> widgetNames() const override;
    void onClick(int id) override;
    void onCancelRequest() override;
    void paintInDesignUnits(QPainter& painter) override;
    std::vector<SkinGauge> gauges() const override;

private:
    QLineEdit* makeEditBox(const char* name);
    void placeEditBoxes();
    bool showKeyboardVersion();
    void readLocalVersion();
    void openFile();
    void acceptFile(const QString& path);
    void startDownload();
    void showProgress(int count);
    void finishDownload(int code);
    void closeWindow();
    void handDownloadOver();
    void showError(const std::string& text);

    QLineEdit* versionBox_ = nullptr;
    QLineEdit* fileBox_ = nullptr;
    FirmwareChecks::FirmwareVersion localVersion_;
    std::string chosenPath_;
    std::string chosenName_;
    int barPercentage_ = 0;
    bool ready_ = true;
    std::unique_ptr<FirmwareDownload> download_;
};
