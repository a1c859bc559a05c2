// Answers the modal dialogs and message boxes a test provokes, one scripted
// handler per modal window in the order they appear, so that no test ever
// blocks. Every modal window seen is recorded (caption and, for message
// boxes, text); one that has no handler left is closed and counted as
// unexpected, and one that a handler left open for too long is closed too.
#pragma once

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace orvane::testing {

class ModalDriver : public QObject {
 public:
  using Handler = std::function<void(QWidget* modal)>;

  ModalDriver() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
  }
  ~ModalDriver() override { timer_.stop(); }

  // Queues a handler for the next modal window.
  ModalDriver& Then(Handler handler) {
    handlers_.push_back(std::move(handler));
    return *this;
  }
  // Queues "press this button" (message boxes) or "accept" (dialogs).
  ModalDriver& ThenPress(QMessageBox::StandardButton button = QMessageBox::Ok) {
    return Then([button](QWidget* modal) { Press(modal, button); });
  }
  ModalDriver& ThenReject() {
    return Then([](QWidget* modal) {
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
  }

  static void Press(QWidget* modal, QMessageBox::StandardButton button = QMessageBox::Ok) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      if (QAbstractButton* b = box->button(button)) {
        b->click();
        return;
      }
      box->done(button);
      return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();
  }

  const QStringList& captions() const { return captions_; }
  const QStringList& texts() const { return texts_; }
  int unexpected() const { return unexpected_; }
  bool finished() const { return handlers_.empty(); }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    for (const Seen& seen : seen_) {
      if (seen.widget == modal) {
        // Handled before and still open (for instance while its own
        // message box was up): close it once it has been open too long.
        if (seen.since.elapsed() > 20000) {
          ++unexpected_;
          if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        }
        return;
      }
    }
    Seen seen{modal, {}};
    seen.since.start();
    seen_.push_back(seen);
    captions_ << modal->windowTitle();
    auto* box = qobject_cast<QMessageBox*>(modal);
    texts_ << (box ? box->text() : QString());
    if (handlers_.empty()) {
      ++unexpected_;
      if (box) {
        Press(box, box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::Ok);
        if (box->isVisible()) box->done(QMessageBox::Cancel);
      } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      }
      return;
    }
    // The handler runs outside this timer's slot, so that a modal window it
    // provokes in turn (a range message over a dialog) is polled as well.
    Handler handler = std::move(handlers_.front());
    handlers_.pop_front();
    QPointer<QWidget> target(modal);
    QTimer::singleShot(0, this, [handler = std::move(handler), target] {
      if (target) handler(target);
    });
  }

  struct Seen {
    QPointer<QWidget> widget;
    QElapsedTimer since;
  };
  QTimer timer_;
  std::deque<Handler> handlers_;
  std::vector<Seen> seen_;
  QStringList captions_;
  QStringList texts_;
  int unexpected_ = 0;
};

}  // namespace orvane::testing
