#include "app/plain_text_labels.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace orvane {

void PlainTextLabels::Install() {
  static PlainTextLabels* installed = nullptr;
  if (installed != nullptr || qApp == nullptr) return;
  installed = new PlainTextLabels(qApp);
  qApp->installEventFilter(installed);
}

bool PlainTextLabels::eventFilter(QObject* watched, QEvent* event) {
  // Polish comes before a widget is first shown, after its text is set.
  if (event->type() == QEvent::Polish || event->type() == QEvent::Show) {
    if (auto* label = qobject_cast<QLabel*>(watched);
        label != nullptr && label->textFormat() != Qt::PlainText && !label->property(kRichTextProperty).toBool()) {
      label->setTextFormat(Qt::PlainText);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace orvane
