#pragma once

#include "platform/clock.h"

class SystemClock : public Clock {
  public:
    QDateTime now() const override;
};
