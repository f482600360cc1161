// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDialogFilter.h"

namespace {

QString labelWithoutPatterns(const QString& label) {
    QString text = label.trimmed();
    if (text.endsWith(u')')) {
        const qsizetype open = text.lastIndexOf(u'(');
        if (open >= 0)
            text.truncate(open);
    }
    return text.trimmed();
}

QStringList patternsOf(const QString& patterns) {
    QStringList result;
    for (const QString& part : patterns.split(u';')) {
        const QString pattern = part.trimmed();
        if (!pattern.isEmpty())
            result.append(pattern);
    }
    return result;
}

QString qtPattern(const QString& pattern) {
    return pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
}

} // namespace

std::vector<FileDialogFilter> parseFileDialogFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    std::vector<FileDialogFilter> result;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString label = parts[i];
        const QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
        if (label.isEmpty() && patterns.isEmpty())
            break;
        FileDialogFilter entry{labelWithoutPatterns(label), patternsOf(patterns)};
        if (entry.patterns.isEmpty())
            continue;
        if (entry.label.isEmpty())
            entry.label = entry.patterns.join(u';');
        result.push_back(std::move(entry));
    }
    return result;
}

QString qtNameFilter(const FileDialogFilter& filter) {
    QStringList patterns;
    for (const QString& pattern : filter.patterns)
        patterns.append(qtPattern(pattern));
    return filter.label + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

QStringList qtNameFilters(const std::vector<FileDialogFilter>& filters) {
    QStringList result;
    for (const FileDialogFilter& filter : filters)
        result.append(qtNameFilter(filter));
    return result;
}

QString withDefaultExtension(const QString& path, const QString& extension) {
    QString suffix = extension;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    const QString fileName = path.mid(path.lastIndexOf(u'/') + 1);
    if (suffix.isEmpty() || fileName.isEmpty() || fileName.contains(u'.'))
        return path;
    return path + u'.' + suffix;
}
