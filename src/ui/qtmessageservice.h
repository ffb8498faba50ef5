// Message boxes shown with QMessageBox, modal to a parent window.
#pragma once

#include "ui/messageservice.h"

#include <QPointer>
#include <QWidget>

namespace dosarium {

class QtMessageService : public MessageService {
  public:
    explicit QtMessageService(QWidget* parent = nullptr) : m_parent(parent) {}
    MessageAnswer show(const Message& message) override;

  private:
    QPointer<QWidget> m_parent;
};

} // namespace dosarium
