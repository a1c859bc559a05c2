// The two document types: new chart files (".orv", listed first and the
// default of the file dialogs) and the old ones (".dat"). Both hold the same
// content, a chart data file.
#pragma once

#include <QString>
#include <array>
#include <string_view>

namespace orvane {

struct DocTemplate {
  int resourceId;                 // 129 or 130
  std::string_view docName;       // base of an untitled document's title
  std::string_view filterName;    // file-dialog filter
  std::string_view extension;     // with the dot
  std::string_view registryType;  // shared-mime-info / desktop type
  std::string_view typeName;
};

enum class DocType : int { kChart = 0, kOldChart = 1 };

inline constexpr std::array<DocTemplate, 2> kDocTemplates = {{
    {129, "Chart", "Orvane data files (*.orv)", ".orv", "Orvane.Document", "Orvane Chart"},
    {130, "Old chart", "Old Data Files (*.dat)", ".dat", "Orvane.OldDoc", "Orvane Chart (old)"},
}};

// The ".dat" type for a name ending in ".dat" (any case), the ".orv" type
// for anything else.
DocType DocTypeForPath(const QString& path);

// Filters of the open dialog: both types (".orv" first) and all files.
QString OpenFileFilters();
// Filters of the save dialog, the document's own type first.
QString SaveFileFilters(DocType type);
QString FilterName(DocType type);

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orvane
