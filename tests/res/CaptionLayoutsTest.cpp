// SPDX-License-Identifier: GPL-3.0-or-later
// Captions drawn from kept layouts must look exactly as the toolkit's own text drawing would draw
// them: every caption of every window, in both languages, in each alignment the windows use, in its
// own box at the design size and stretched.
#include "res/CaptionLayouts.h"
#include "app/WindowPictures.h"
#include "res/FontTable.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

struct Caption {
    QString text;
    QRect box;
    int fontIndex;
};

std::vector<Caption> everyCaption() {
    std::vector<Caption> captions;
    std::set<std::string> seen;
    for (const WindowPictures& window : everyWindowsPictures()) {
        for (const ControlSpec& control : window.controls) {
            for (const char* text : {control.captionZh, control.captionEn}) {
                if (text == nullptr || *text == '\0' || !seen.insert(std::string(text) + window.name).second)
                    continue;
                const QRect box(QPoint(control.rect.left, control.rect.top),
                                QPoint(control.rect.right - 1, control.rect.bottom - 1));
                captions.push_back({QString::fromUtf8(text), box, control.fontIndex});
                captions.push_back(
                    {QString::fromUtf8(text),
                     QRect(box.x() * 3 / 2, box.y() * 3 / 2, box.width() * 3 / 2, box.height() * 3 / 2),
                     control.fontIndex * 3 / 2 + 1});
            }
        }
    }
    // Rows of a macro, lines that break, a caption far too large for its box.
    for (const char* text :
         {"A Down", "<50 ms>", "LSHIFT UP", "宏定义12", "Two\nlines", "超出范围 out of range"})
        captions.push_back({QString::fromUtf8(text), QRect(7, 5, 90, 24), 15});
    captions.push_back(
        {QStringLiteral("Press the keys to record, then click Stop."), QRect(3, 4, 60, 20), 20});
    return captions;
}

QImage drawn(const QRect& box, const std::function<void(QPainter&)>& draw) {
    QImage image(box.right() + 8, box.bottom() + 8, QImage::Format_RGB32);
    image.fill(qRgb(30, 30, 35));
    QPainter painter(&image);
    painter.setPen(QColor(214, 214, 222));
    draw(painter);
    return image;
}

TEST(CaptionLayoutsTest, CaptionsLookAsTheToolkitDrawsThem) {
    const FontTable fonts;
    const CaptionLayouts layouts(fonts);
    const int alignments[] = {
        Qt::AlignLeft | Qt::AlignTop,        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
        Qt::AlignHCenter | Qt::AlignVCenter, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
        Qt::AlignRight | Qt::AlignBottom,
    };
    const std::vector<Caption> captions = everyCaption();
    ASSERT_GT(captions.size(), 200U);
    for (const Caption& caption : captions) {
        for (int flags : alignments) {
            const QImage expected = drawn(caption.box, [&](QPainter& painter) {
                painter.setFont(fonts.font(caption.fontIndex));
                painter.drawText(caption.box, flags, caption.text);
            });
            // Drawn twice: the second time from the kept layout.
            for (int time = 0; time < 2; ++time) {
                ASSERT_EQ(drawn(caption.box,
                                [&](QPainter& painter) {
                                    layouts.draw(painter, caption.box, flags, caption.fontIndex,
                                                 caption.text);
                                }),
                          expected)
                    << caption.text.toStdString() << " flags " << flags << " font " << caption.fontIndex;
            }
        }
    }
}

TEST(CaptionLayoutsTest, KeepsABoundedNumberOfLayouts) {
    const FontTable fonts;
    const CaptionLayouts layouts(fonts);
    QImage image(40, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int row = 0; row <= CaptionLayouts::kKept; ++row)
        layouts.draw(painter, QRect(0, 0, 40, 20), Qt::AlignLeft, 13, QStringLiteral("<%1 ms>").arg(row));
    EXPECT_LE(layouts.size(), CaptionLayouts::kKept);
    EXPECT_GT(layouts.size(), 0);
}

} // namespace
