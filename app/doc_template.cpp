#include "app/doc_template.h"

namespace orvane {

DocType DocTypeForPath(const QString& path) {
  return path.endsWith(ToQString(kDocTemplates[1].extension), Qt::CaseInsensitive) ? DocType::kOldChart
                                                                                   : DocType::kChart;
}

QString FilterName(DocType type) { return ToQString(kDocTemplates[static_cast<int>(type)].filterName); }

QString OpenFileFilters() {
  return FilterName(DocType::kChart) + ";;" + FilterName(DocType::kOldChart) + ";;All Files (*)";
}

QString SaveFileFilters(DocType type) {
  const DocType other = type == DocType::kChart ? DocType::kOldChart : DocType::kChart;
  return FilterName(type) + ";;" + FilterName(other);
}

}  // namespace orvane
