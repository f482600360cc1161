// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/CPelmDialogFirmwareUpdate.h"

#include "device/DeviceMessages.h"
#include "firmware/FirmwareDownload.h"
#include "firmware/FirmwareMessages.h"
#include "firmware/rules/FirmwareControls.h"
#include "firmware/rules/FirmwareTexts.h"
#include "firmware/rules/FirmwareTransfer.h"
#include "model/ConfigStore.h"
#include "platform/PlatformServices.h"
#include "res/SharedResources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>

namespace {

using namespace FirmwareChecks;

// The edit boxes' font is 15 pixels high at scale 1.
constexpr int kEditFont = 15;
// Where the edit boxes stand, in design units; each stands one pixel lower than its scaled top.
constexpr SkinRect kVersionBox{44, 78, 206, 96};
constexpr SkinRect kFileBox{112, 116, 255, 135};

SkinScheme firmwareScheme() {
    SkinScheme scheme;
    scheme.precedence = LookPrecedence::SelectedOverHover;
    scheme.hoverLook = HoverLook::AllEntries;
    scheme.captionPass = CaptionPass::AfterStretch;
    scheme.buttonCaptions = ButtonCaptions::WhenShowsText;
    scheme.labelsAlwaysCentred = true;
    scheme.labelFonts = FontScaling::Scaled;
    return scheme;
}

int cut(float value) {
    return static_cast<int>(value);
}

// A design rectangle in window pixels, each value scaled and cut, moved down by one pixel.
QRect loweredByOne(const SkinRect& rect, float scale) {
    const auto scaled = [scale](int value) { return cut(static_cast<float>(value) * scale); };
    return {QPoint(scaled(rect.left), scaled(rect.top) + 1),
            QPoint(scaled(rect.right) - 1, scaled(rect.bottom))};
}

} // namespace

CPelmDialogFirmwareUpdate::CPelmDialogFirmwareUpdate(const WindowContext& context, QWidget* parent)
    : SkinnedWindow(context, kFirmwareWindow, firmwareScheme(), parent) {
    setObjectName(QStringLiteral("firmwareDialog"));
    versionBox_ = makeEditBox("versionBox");
    fileBox_ = makeEditBox("fileBox");
}

CPelmDialogFirmwareUpdate::~CPelmDialogFirmwareUpdate() {
    if (isDownloading())
        handDownloadOver();
}

WindowOpener::Runner CPelmDialogFirmwareUpdate::runner() {
    return [](const WindowContext& context, QWidget* parent, int /*argument*/) {
        CPelmDialogFirmwareUpdate dialog(context, parent);
        return dialog.exec();
    };
}

bool CPelmDialogFirmwareUpdate::isDownloading() const {
    return download_ && download_->running();
}

// The boxes only show text: they take no focus, so no caret ever shows in them.
QLineEdit* CPelmDialogFirmwareUpdate::makeEditBox(const char* name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromUtf8(name));
    box->setReadOnly(true);
    box->setFrame(false);
    box->setFocusPolicy(Qt::NoFocus);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette colours = box->palette();
    colours.setBrush(QPalette::Base, resources().darkBrush());
    colours.setColor(QPalette::Text, QColor(255, 111, 0));
    box->setPalette(colours);
    return box;
}

// ---- initialisation ----

void CPelmDialogFirmwareUpdate::onInit() {
    ready_ = true;
    barPercentage_ = 0;
    setWindowTitle(
        QString::fromStdString(controls()[findById(FirmwareControlId::Title)].caption(store().language)));
    placeEditBoxes();
    if (showKeyboardVersion())
        readLocalVersion();
}

void CPelmDialogFirmwareUpdate::placeEditBoxes() {
    const QFont& font = resources().fonts().font(cut(static_cast<float>(kEditFont) * scale()));
    versionBox_->setGeometry(loweredByOne(kVersionBox, scale()));
    fileBox_->setGeometry(loweredByOne(kFileBox, scale()));
    versionBox_->setFont(font);
    fileBox_->setFont(font);
}

// The version box shows the keyboard's version text, or says that it could not be read.
bool CPelmDialogFirmwareUpdate::showKeyboardVersion() {
    const std::optional<std::string> text = FirmwareTransfer::readVersionText(store().device);
    versionBox_->setText(
        QString::fromStdString(text ? *text : FirmwareTexts::versionReadFailed(store().language)));
    return text.has_value();
}

// A version whose numbers do not fit counts as not read, like one without a marker.
void CPelmDialogFirmwareUpdate::readLocalVersion() {
    const VersionMarker marker = keyboardVersion(versionBox_->text().toStdString());
    localVersion_ = marker.status == MarkerRead::Read ? marker.version : FirmwareVersion{};
}

// ---- commands ----

void CPelmDialogFirmwareUpdate::onClick(int id) {
    using enum FirmwareControlId;
    switch (static_cast<FirmwareControlId>(id)) {
    case Close:
    case Cancel:
        closeWindow();
        break;
    case GetVersion:
        // The keyboard takes one caller at a time: it is asked again once the download has ended.
        if (!isDownloading())
            showKeyboardVersion();
        break;
    case Open:
        openFile();
        break;
    case Update:
        startDownload();
        break;
    default:
        break;
    }
}

void CPelmDialogFirmwareUpdate::onCancelRequest() {
    closeWindow();
}

void CPelmDialogFirmwareUpdate::closeWindow() {
    ready_ = true;
    barPercentage_ = 0;
    endDialog(kResultCancel);
}

void CPelmDialogFirmwareUpdate::openFile() {
    const std::optional<QString> path =
        platform().chooseOpenFile(this, QString::fromUtf8(kFileFilter), QString::fromUtf8(kFileExtension));
    if (!path)
        return;
    chosenName_ = QFileInfo(*path).fileName().toStdString();
    const int variant = store().deviceVariant;
    switch (checkFileName(chosenName_, variant, localVersion_)) {
    case NameVerdict::Accepted:
        acceptFile(*path);
        break;
    case NameVerdict::WrongVariant:
        showError(FirmwareTexts::mismatch(variant, store().language));
        break;
    case NameVerdict::VersionTooLarge:
        showError(FirmwareTexts::versionUnreadable(store().language));
        break;
    case NameVerdict::LowerVersion:
        showError(FirmwareTexts::lowerVersion(store().language));
        break;
    }
}

// A file accepted during a download is downloaded only once that download has ended.
void CPelmDialogFirmwareUpdate::acceptFile(const QString& path) {
    chosenPath_ = path.toStdString();
    fileBox_->setText(path);
    fileBox_->setCursorPosition(static_cast<int>(path.size()));
    if (!isDownloading())
        ready_ = true;
}

void CPelmDialogFirmwareUpdate::startDownload() {
    if (!isNamedForVariant(chosenName_, store().deviceVariant)) {
        showError(FirmwareTexts::kUpdateMismatch);
        return;
    }
    if (!ready_ || isDownloading())
        return;
    ready_ = false;
    store().firmwarePath = chosenPath_;
    if (!download_) {
        download_ = std::make_unique<FirmwareDownload>(store());
        connect(download_.get(), &FirmwareDownload::progressed, this,
                &CPelmDialogFirmwareUpdate::showProgress);
        connect(download_.get(), &FirmwareDownload::finished, this,
                &CPelmDialogFirmwareUpdate::finishDownload);
    }
    download_->start(store().firmwarePath);
    barPercentage_ = 1;
    update();
}

// A count that does not move the bar repaints nothing; one that does repaints the bar alone.
void CPelmDialogFirmwareUpdate::showProgress(int count) {
    ready_ = false;
    const int percentage = count * 100 / DeviceMessages::kFirmwareFullScale;
    if (percentage == barPercentage_)
        return;
    barPercentage_ = percentage;
    update(barArea());
}

void CPelmDialogFirmwareUpdate::finishDownload(int code) {
    // A file that could not be read keeps Update waiting for the next accepted file.
    if (code != FirmwareTransfer::kCannotOpen)
        ready_ = true;
    showDownloadResult(platform(), this, store().language, code);
}

// The download goes on under the window's owner, which says its result and then lets it go.
void CPelmDialogFirmwareUpdate::handDownloadOver() {
    FirmwareDownload* download = download_.release();
    download->disconnect(this);
    QWidget* owner = parentWidget();
    download->setParent(owner != nullptr ? static_cast<QObject*>(owner) : QCoreApplication::instance());
    connect(download, &FirmwareDownload::finished, download,
            [&services = platform(), &shared = store(), owner, download](int code) {
                showDownloadResult(services, owner, shared.language, code);
                download->deleteLater();
            });
}

void CPelmDialogFirmwareUpdate::showError(const std::string& text) {
    showFirmwareError(platform(), this, text);
}

// ---- drawing ----

QRect CPelmDialogFirmwareUpdate::barArea() const {
    const float s = scale();
    const auto scaled = [s](int value) { return cut(static_cast<float>(value) * s); };
    return {QPoint(scaled(kFirmwareBarStrip.left), scaled(kFirmwareBarStrip.top) + 1),
            QPoint(scaled(kFirmwareBarStrip.right) - 1, scaled(kFirmwareBarStrip.bottom))};
}

std::vector<SkinGauge> CPelmDialogFirmwareUpdate::gauges() const {
    return {
        {.name = kFirmwareBarName, .area = kFirmwareBarStrip, .value = static_cast<double>(barPercentage_)}};
}

void CPelmDialogFirmwareUpdate::paintInDesignUnits(QPainter& painter) {
    const int width = barPercentage_ * kFirmwareBarFullWidth / 100;
    if (width <= 0)
        return;
    const QRect strip(kFirmwareBarStrip.left, kFirmwareBarStrip.top, width, kFirmwareBarStrip.height());
    // The selected picture holds the bar strip full.
    painter.drawImage(strip.topLeft(), pictureInSlot(PictureSlot::kFirmwareSelected), strip);
}

std::span<const SpokenWidgetName> CPelmDialogFirmwareUpdate::widgetNames() const {
    return kFirmwareWidgetNames;
}
