// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/CaptionLayouts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

#include <cmath>

namespace {

constexpr int kLaidOutFlags = Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask | Qt::TextWordWrap;

bool laysOutItself(int flags, const QString& text) {
    return (flags & ~kLaidOutFlags) == 0 && (flags & Qt::AlignJustify) == 0 && !text.contains(QChar(0x9c));
}

// Line breaks become line separators and other control white space plain spaces, as drawText reads a
// caption.
QString plainCaption(QString text) {
    for (QChar& character : text) {
        if (character == u'\n')
            character = QChar::LineSeparator;
        else if (character == u'\r' || character == u'\t')
            character = u' ';
    }
    return text;
}

} // namespace

size_t qHash(const CaptionLayouts::Key& key, size_t seed) {
    return qHashMulti(seed, key.text, key.fontIndex, key.flags, key.width, key.height);
}

CaptionLayouts::~CaptionLayouts() = default;

void CaptionLayouts::draw(QPainter& painter, const QRect& box, int flags, int fontIndex,
                          const QString& text) const {
    if (!laysOutItself(flags, text)) {
        painter.setFont(fonts_.font(fontIndex));
        painter.drawText(box, flags, text);
        return;
    }
    if (text.isEmpty())
        return;
    drawLines(painter, layoutOf(Key{text, fontIndex, flags, box.width(), box.height()}), box, flags);
}

const CaptionLayouts::Layout& CaptionLayouts::layoutOf(const Key& key) const {
    if (const auto found = layouts_.constFind(key); found != layouts_.cend())
        return *found;
    if (layouts_.size() >= kKept)
        layouts_.clear();
    return *layouts_.insert(key, layOut(key));
}

// Lines stand on whole pixels one below the other, each as wide as the box when words wrap; lines
// below the box's height are not laid out.
CaptionLayouts::Layout CaptionLayouts::layOut(const Key& key) const {
    const QFont& font = fonts_.font(key.fontIndex);
    Layout layout;
    layout.lines = std::make_shared<QTextLayout>(plainCaption(key.text), font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    layout.lines->setTextOption(option);
    layout.lines->setCacheEnabled(true);
    const qreal lineWidth = (key.flags & Qt::TextWordWrap) != 0 ? std::max(0, key.width) : 0x01000000;
    const qreal leading = QFontMetricsF(font).leading();
    qreal height = -leading;
    layout.lines->beginLayout();
    for (QTextLine line = layout.lines->createLine(); line.isValid(); line = layout.lines->createLine()) {
        line.setLineWidth(lineWidth);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        layout.width = std::max(layout.width, line.naturalTextWidth());
        if (height >= key.height)
            break;
    }
    layout.lines->endLayout();
    layout.height = height;
    return layout;
}

// Each line is placed by the alignment on its own; a caption larger than its box is cut to the box.
void CaptionLayouts::drawLines(QPainter& painter, const Layout& layout, const QRect& box, int flags) {
    qreal top = 0;
    if ((flags & Qt::AlignBottom) != 0)
        top = box.height() - layout.height;
    else if ((flags & Qt::AlignVCenter) != 0)
        top = (box.height() - layout.height) / 2;
    qreal left = 0;
    if ((flags & Qt::AlignRight) != 0)
        left = box.width() - layout.width;
    else if ((flags & Qt::AlignHCenter) != 0)
        left = (box.width() - layout.width) / 2;
    const bool cut =
        !QRectF(box).contains(QRectF(box.x() + left, box.y() + top, layout.width, layout.height));
    if (cut) {
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
    }
    for (int index = 0; index < layout.lines->lineCount(); ++index) {
        const QTextLine line = layout.lines->lineAt(index);
        qreal lineLeft = 0;
        if ((flags & Qt::AlignRight) != 0)
            lineLeft = box.width() - line.horizontalAdvance();
        else if ((flags & Qt::AlignHCenter) != 0)
            lineLeft = (box.width() - line.horizontalAdvance()) / 2;
        line.draw(&painter, QPointF(box.x() + lineLeft, box.y() + top));
    }
    if (cut)
        painter.restore();
}
