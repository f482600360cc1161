// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/FontTable.h"

#include <QHash>
#include <QRect>
#include <QString>
#include <QTextLayout>

#include <memory>

class QPainter;

// Captions laid out once and drawn from then on, shared by every window: shaping and breaking a
// caption into lines is most of what drawing it costs, and a caption's lines depend only on its text,
// font, box and alignment. Used on the user-interface thread only.
class CaptionLayouts {
public:
    // How many layouts are kept before the oldest are let go (list rows bring new texts as they scroll).
    static constexpr qsizetype kKept = 2048;

    explicit CaptionLayouts(const FontTable& fonts) : fonts_(fonts) {}
    CaptionLayouts(const CaptionLayouts&) = delete;
    CaptionLayouts& operator=(const CaptionLayouts&) = delete;
    ~CaptionLayouts();

    // Draws text in box with the painter's pen, pixel for pixel as QPainter::drawText(box, flags, text)
    // draws it in font fontIndex. Flags beyond alignment and word wrap are left to drawText itself.
    void draw(QPainter& painter, const QRect& box, int flags, int fontIndex, const QString& text) const;

    qsizetype size() const { return layouts_.size(); }

    struct Key {
        QString text;
        int fontIndex;
        int flags;
        int width;
        int height;
        friend bool operator==(const Key&, const Key&) = default;
    };

private:
    struct Layout {
        std::shared_ptr<QTextLayout> lines;
        qreal width = 0;
        qreal height = 0;
    };

    const Layout& layoutOf(const Key& key) const;
    Layout layOut(const Key& key) const;
    static void drawLines(QPainter& painter, const Layout& layout, const QRect& box, int flags);

    const FontTable& fonts_;
    mutable QHash<Key, Layout> layouts_;
};

size_t qHash(const CaptionLayouts::Key& key, size_t seed = 0);
