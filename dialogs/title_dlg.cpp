#include "dialogs/title_dlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

CTitleDlg::CTitleDlg(const QString& preset, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("Orvane", "Enter title"));
  edit_ = new QLineEdit(preset, this);
  edit_->setObjectName(QStringLiteral("title"));
  edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 44);
  auto* label = new QLabel(QCoreApplication::translate("Orvane", "&Title:"), this);
  label->setBuddy(edit_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
  ok->setObjectName(QStringLiteral("ok"));
  cancel->setObjectName(QStringLiteral("cancel"));
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(edit_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(row);
  layout->addSpacing(4);
  layout->addWidget(buttons);

  QWidget::setTabOrder(edit_, ok);
  QWidget::setTabOrder(ok, cancel);
  edit_->setFocus(Qt::OtherFocusReason);
  edit_->selectAll();
}

QString CTitleDlg::title() const { return edit_->text(); }

std::optional<QString> AskTitle(const QString& preset, QWidget* parent) {
  CTitleDlg dialog(preset, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.title();
}

}  // namespace orvane
