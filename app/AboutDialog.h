// The About box (dialog 100): "Orvane Zurovuvu Version %s".
#pragma once

#include <QDialog>

namespace orvane {

class AboutDialog final : public QDialog {
  Q_OBJECT

 public:
  AboutDialog(const QString& version, QWidget* parent = nullptr);
};

}  // namespace orvane
