// Labels show their text as it is. A QLabel (and the label inside every
// QMessageBox) guesses whether its text is HTML, so a chart file named
// "<h1>BIG</h1><img src=x.png>.orv" would be drawn as a heading with an
// image loaded from the working folder. This filter, installed on the
// application, makes every label plain text before it is first shown; a
// label whose own text is meant as HTML says so with the property
// kRichTextProperty.
#pragma once

#include <QObject>

namespace orvane {

inline constexpr const char* kRichTextProperty = "orvaneRichText";

class PlainTextLabels final : public QObject {
 public:
  using QObject::QObject;

  // Installs one filter on the running application (a second call does
  // nothing).
  static void Install();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace orvane
