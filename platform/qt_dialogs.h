#pragma once

#include "platform/dialogs.h"

class QtDialogs : public Dialogs {
  public:
    MsgResult messageBox(const QString &text, MsgButtons buttons, MsgIcon icon,
                         const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultAnswer) override;
    void beep() override;
};
