#pragma once

#include "platform/modal_runner.h"

class QtModalRunner : public ModalRunner {
  public:
    void runModal(QDialog &dialog) override;
};
