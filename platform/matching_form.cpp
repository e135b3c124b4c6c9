// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/matching_form.h"

#include <unicode/unorm2.h>

namespace {

constexpr char16_t dotlessI = u'\u0131';
constexpr char16_t combiningDotAbove = u'\u0307';

// Full folding, which QString::toCaseFolded does not do: it maps one
// character to one, so "ß" never meets "ss".
QString foldedAndNormalised(const QString &name) {
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2 *fold = unorm2_getNFKCCasefoldInstance(&status);
    if (U_FAILURE(status))
        return name.toCaseFolded();
    // Folding can lengthen a text (one sign becomes eighteen letters): on
    // overflow the length needed is known and a second pass gets it.
    QString out(name.size() + 16, Qt::Uninitialized);
    int32_t length = 0;
    for (int pass = 0; pass < 2; ++pass) {
        status = U_ZERO_ERROR;
        length = unorm2_normalize(fold, reinterpret_cast<const UChar *>(name.utf16()),
                                  int32_t(name.size()), reinterpret_cast<UChar *>(out.data()),
                                  int32_t(out.size()), &status);
        if (status != U_BUFFER_OVERFLOW_ERROR)
            break;
        out.resize(length);
    }
    if (U_FAILURE(status))
        return name.toCaseFolded();
    out.truncate(length);
    return out;
}

} // namespace

QString matchingForm(const QString &name) {
    const QString folded = foldedAndNormalised(name);
    QString form;
    form.reserve(folded.size());
    for (const QChar c : folded) {
        // "İ" folds to an i with a dot above it.
        if (c == combiningDotAbove && form.endsWith(QLatin1Char('i')))
            continue;
        form.append(c == dotlessI ? QLatin1Char('i') : c);
    }
    return form;
}
