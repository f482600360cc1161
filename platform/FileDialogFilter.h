// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One entry of a file dialog's type list: what the list shows and the name patterns it matches.
struct FileDialogFilter {
    QString label;
    QStringList patterns;
    friend bool operator==(const FileDialogFilter&, const FileDialogFilter&) = default;
};

// The entries of a filter string of pipe-separated label and pattern pairs, such as
// "pro(*.pro)|*.pro|All Files(*.*)|*.*||". An empty pair ends the list; a pair without a pattern is
// skipped. Patterns are separated by ';'. A label's own "(...)" is dropped, as the patterns follow it.
std::vector<FileDialogFilter> parseFileDialogFilter(const QString& filter);

// One Qt name filter, "label (pattern pattern)". "*.*" becomes "*": here it means every file, also
// those without a dot.
QString qtNameFilter(const FileDialogFilter& filter);
QStringList qtNameFilters(const std::vector<FileDialogFilter>& filters);

// path with "." + extension appended when its file name has no dot (extension may start with one).
QString withDefaultExtension(const QString& path, const QString& extension);
