#pragma once

#include "platform/process_starter.h"

class DetachedProcessStarter : public ProcessStarter {
  public:
    bool startProgram(const QString &path) override;
};
