// The Qt view of the generic number dialog `inputNormwise`.
#pragma once

#include <QDialog>

#include <vector>

#include "normwise/InputNormwise.h"

class QLineEdit;

namespace lavix::normwise::qt {

class InputNormwiseView : public QDialog {
  Q_OBJECT
 public:
  InputNormwiseView(InputNormwise& model, QWidget* parent = nullptr);
  QLineEdit* entry(int position) const { return entries_.at(position); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void finish(bool ok);

  InputNormwise& model_;
  std::vector<QLineEdit*> entries_;
};

}  // namespace lavix::normwise::qt
