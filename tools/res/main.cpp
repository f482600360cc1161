// SPDX-License-Identifier: GPL-3.0-or-later
// qelec-res: writes every picture of the program's picture library as a PNG file, named after the
// window it belongs to, so the pictures can be looked at (and compared) without opening the windows.
#include "app/ProgramPictures.h"
#include "app/WindowPictures.h"
#include "res/PictureLibrary.h"
#include "res/PictureSet.h"
#include "ui/SkinGeometry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    R"(usage: qelec-res [--out DIR] [--window NAME] [--scale FACTOR] [--list] [--controls] [--timings]

Writes the program's pictures as PNG files: every window's pictures as
DIR/<window>-<number>-<background|hover|selected|strip>.png, and the pictures no window lists
(such as 138, the skin scroll bar's skin) as DIR/picture-<number>.png.

options:
  --out DIR        the folder to write to, made when missing (default: the current folder)
  --window NAME    only this window's pictures (see --list for the names)
  --scale FACTOR   stretch every picture by FACTOR (greater than 0, default 1), pixel for pixel
                   as the windows stretch theirs
  --list           print the window names with their picture numbers, write nothing
  --controls       print each window's size and the rectangles of its controls, in pixels at
                   --scale, write nothing: "window NAME WIDTH HEIGHT", then a line
                   "control ID LEFT TOP RIGHT BOTTOM ROLE" for each control a click can reach
  --timings        print how long each picture took to draw (the first time it is asked for)
  -h, --help       show this text
exit codes: 0 done, 1 a picture could not be written, 2 the command line is wrong
)";

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct Options {
    QString out = QStringLiteral(".");
    std::optional<std::string> window;
    float scale = 1.0F;
    bool list = false;
    bool controls = false;
    bool timings = false;
    bool help = false;
};

int usageError(const std::string& message) {
    std::fprintf(stderr, "qelec-res: %s\n(qelec-res --help shows the options)\n", message.c_str());
    return kExitUsage;
}

std::optional<float> parseScale(const std::string& text) {
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !(value > 0.0F) || value > 16.0F)
        return std::nullopt;
    return value;
}

// Sorts the words into options; says why not in error.
std::optional<Options> parseOptions(const std::vector<std::string>& words, std::string& error) {
    Options options;
    for (std::size_t at = 0; at < words.size(); ++at) {
        std::string word = words[at];
        std::optional<std::string> value;
        if (const std::size_t equals = word.find('=');
            word.starts_with("--") && equals != std::string::npos) {
            value = word.substr(equals + 1);
            word.resize(equals);
        }
        const bool takesValue = word == "--out" || word == "--window" || word == "--scale";
        if (takesValue && !value) {
            if (at + 1 >= words.size()) {
                error = word + " needs a value";
                return std::nullopt;
            }
            value = words[++at];
        } else if (!takesValue && value) {
            error = word + " takes no value";
            return std::nullopt;
        }
        if (word == "--out") {
            if (value->empty()) {
                error = "--out needs a folder";
                return std::nullopt;
            }
            options.out = QString::fromStdString(*value);
        } else if (word == "--window") {
            options.window = *value;
        } else if (word == "--scale") {
            const std::optional<float> scale = parseScale(*value);
            if (!scale) {
                error = "--scale wants a number greater than 0 and at most 16, not '" + *value + "'";
                return std::nullopt;
            }
            options.scale = *scale;
        } else if (word == "--list") {
            options.list = true;
        } else if (word == "--controls") {
            options.controls = true;
        } else if (word == "--timings") {
            options.timings = true;
        } else if (word == "-h" || word == "--help") {
            options.help = true;
        } else {
            error = "unknown option '" + word + "'";
            return std::nullopt;
        }
    }
    return options;
}

// The pictures the program uses (every slot for every variant) that no window lists.
std::vector<int> unlistedPictures(const PictureLibrary& library, const std::vector<WindowPictures>& windows) {
    std::set<int> listed;
    for (const WindowPictures& window : windows) {
        listed.insert({window.background, window.hover, window.selected});
        listed.insert(window.stripPictures.begin(), window.stripPictures.end());
    }
    std::set<int> unlisted;
    for (int slot = 0; slot < PictureSet::kSlots; ++slot) {
        for (int variant = 1; variant <= 4; ++variant) {
            const int number = PictureSet::pictureNumber(slot, variant);
            if (!listed.contains(number) && library.has(number))
                unlisted.insert(number);
        }
    }
    return {unlisted.begin(), unlisted.end()};
}

void list(const std::vector<WindowPictures>& windows, const std::vector<int>& unlisted) {
    const auto number = [](int picture) { return picture < 0 ? std::string("-") : std::to_string(picture); };
    for (const WindowPictures& window : windows) {
        std::string strips;
        for (int picture : window.stripPictures)
            strips += " strip " + std::to_string(picture);
        std::printf("%-24s background %s hover %s selected %s%s\n", window.name.c_str(),
                    number(window.background).c_str(), number(window.hover).c_str(),
                    number(window.selected).c_str(), strips.c_str());
    }
    for (int picture : unlisted)
        std::printf("%-24s %d\n", "picture", picture);
}

const char* roleName(ControlRole role) {
    constexpr std::array<const char*, 15> kNames{"none", "label",    "button",   "close",  "minimise",
                                                 "help", "key",      "tab",      "radio",  "check",
                                                 "icon", "increase", "decrease", "swatch", "area"};
    const auto index = static_cast<std::size_t>(role);
    return index < kNames.size() ? kNames[index] : "none";
}

// Each window's size and its clickable controls at scale, as a program driving the windows from
// outside needs them: labels and entries without an id are left out.
void listControls(const PictureLibrary& library, const std::vector<WindowPictures>& windows, float scale) {
    for (const WindowPictures& window : windows) {
        const QSize size = SkinGeometry::windowSize(library.picture(window.background).size(), scale);
        std::printf("window %s %d %d\n", window.name.c_str(), size.width(), size.height());
        for (const ControlSpec& control : window.controls) {
            if (control.id < 1 || control.isLabel || control.rect.width() <= 0 || control.rect.height() <= 0)
                continue;
            const SkinRect rect = SkinGeometry::scaledRect(control.rect, scale);
            std::printf("control %d %d %d %d %d %s\n", control.id, rect.left, rect.top, rect.right,
                        rect.bottom, roleName(control.role));
        }
    }
}

class Writer {
public:
    Writer(const PictureLibrary& library, QDir folder, float scale, bool timings)
        : library_(library), folder_(std::move(folder)), scale_(scale), timings_(timings) {}

    // Writes picture number as file; a number of -1 (no such picture) writes nothing.
    void write(int number, const QString& file) {
        if (number < 0)
            return;
        QElapsedTimer drawing;
        drawing.start();
        QImage picture = library_.picture(number);
        if (timings_ && !picture.isNull())
            std::printf("%-48s %6.2f ms to draw\n", qPrintable(file),
                        static_cast<double>(drawing.nsecsElapsed()) / 1e6);
        if (picture.isNull()) {
            missing_.insert(number);
            return;
        }
        if (scale_ != 1.0F) {
            // As the windows do it: trunc(scale x size), nearest pixel, no smoothing.
            picture = picture.scaled(SkinGeometry::windowSize(picture.size(), scale_), Qt::IgnoreAspectRatio,
                                     Qt::FastTransformation);
        }
        const QString path = folder_.filePath(file);
        if (!picture.save(path, "PNG")) {
            std::fprintf(stderr, "qelec-res: cannot write %s\n", qPrintable(path));
            failed_ = true;
            return;
        }
        ++written_;
    }

    void writeWindow(const WindowPictures& window) {
        const auto file = [&window](int number, const char* role) {
            return QStringLiteral("%1-%2-%3.png")
                .arg(QString::fromStdString(window.name))
                .arg(number)
                .arg(role);
        };
        write(window.background, file(window.background, "background"));
        write(window.hover, file(window.hover, "hover"));
        write(window.selected, file(window.selected, "selected"));
        for (int number : window.stripPictures)
            write(number, file(number, "strip"));
    }

    bool failed() const { return failed_; }
    // The numbers the library has no drawer for yet.
    const std::set<int>& missing() const { return missing_; }
    int written() const { return written_; }

private:
    const PictureLibrary& library_;
    QDir folder_;
    float scale_;
    bool timings_;
    bool failed_ = false;
    int written_ = 0;
    std::set<int> missing_;
};

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<Options> options = parseOptions({argv + 1, argv + argc}, error);
    if (!options)
        return usageError(error);
    if (options->help) {
        std::fputs(kUsage, stdout);
        return 0;
    }

    // Fonts need a GUI application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);

    const PictureLibrary library = programPictureLibrary();
    std::vector<WindowPictures> windows = everyWindowsPictures();
    const std::vector<int> unlisted = unlistedPictures(library, windows);
    if (options->window) {
        std::erase_if(windows, [&](const WindowPictures& window) { return window.name != *options->window; });
        if (windows.empty())
            return usageError("no window is called '" + *options->window + "' (qelec-res --list shows them)");
    }
    if (options->list) {
        list(windows, options->window ? std::vector<int>{} : unlisted);
        return 0;
    }

    if (options->controls) {
        listControls(library, windows, options->scale);
        return 0;
    }

    QDir folder(options->out);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "qelec-res: cannot make the folder %s\n", qPrintable(options->out));
        return kExitFailed;
    }
    Writer writer(library, folder, options->scale, options->timings);
    for (const WindowPictures& window : windows)
        writer.writeWindow(window);
    if (!options->window) {
        for (int number : unlisted)
            writer.write(number, QStringLiteral("picture-%1.png").arg(number));
    }
    if (!writer.missing().empty()) {
        std::string numbers;
        for (int number : writer.missing())
            numbers += " " + std::to_string(number);
        std::fprintf(stderr, "qelec-res: not drawn yet, so not written:%s\n", numbers.c_str());
    }
    std::printf("qelec-res: %d pictures written to %s\n", writer.written(),
                qPrintable(folder.absolutePath()));
    return writer.failed() ? kExitFailed : 0;
}
