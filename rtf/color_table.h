#pragma once

#include "rtf/keywords.h"
#include "rtf/tokenizer.h"

#include <QColor>
#include <QList>

#include <optional>

namespace rtf {

// The document's colours. An entry without components stands for the automatic colour.
class ColorTable {
  public:
    // Reading \colortbl: components, then ';' closes each entry.
    void applyWord(Keyword keyword, const Token &token);
    void appendText(QByteArrayView text);

    std::optional<QColor> color(int index) const;
    // Changes whenever an entry does.
    int revision() const { return colors_.size(); }

  private:
    struct Components {
        int red = 0;
        int green = 0;
        int blue = 0;
        bool given = false;
    };

    QList<std::optional<QColor>> colors_;
    Components pending_;
};

} // namespace rtf
