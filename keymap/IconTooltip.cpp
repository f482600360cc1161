// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/IconTooltip.h"

#include <QLabel>

namespace {

// Where the tooltip stands from the mouse pointer: below it, clear of the cursor.
constexpr QPoint kOffsetFromPointer{12, 20};

} // namespace

IconTooltip::IconTooltip(const QFont& font)
    : label_(std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)),
      timers_([this](int id) {
          if (id == kShowTimer)
              show();
      }) {
    label_->setObjectName("iconTooltip");
    label_->setFont(font);
    label_->setStyleSheet(
        QStringLiteral("QLabel { color: rgb(0, 0, 255); background-color: rgb(255, 255, 0); "
                       "border: 1px solid rgb(0, 0, 0); padding: 1px 4px; }"));
}

IconTooltip::~IconTooltip() = default;

void IconTooltip::hover(int id, const QString& text, QPoint globalPoint) {
    if (id == iconId_)
        return;
    const bool wasShown = isShown();
    iconId_ = text.isEmpty() ? 0 : id;
    text_ = iconId_ == 0 ? QString() : text;
    point_ = globalPoint;
    timers_.stop(kShowTimer);
    if (iconId_ == 0) {
        label_->hide();
        return;
    }
    if (wasShown) {
        show();
        return;
    }
    timers_.start(kShowTimer, kShowDelayMs);
}

void IconTooltip::deactivate() {
    timers_.stop(kShowTimer);
    label_->hide();
    iconId_ = 0;
    text_.clear();
}

bool IconTooltip::isShown() const {
    return label_->isVisible();
}

void IconTooltip::show() {
    timers_.stop(kShowTimer);
    if (iconId_ == 0)
        return;
    label_->setText(text_);
    label_->adjustSize();
    label_->move(point_ + kOffsetFromPointer);
    label_->show();
}
