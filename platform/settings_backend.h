// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/sum_knowledge.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

using SettingPairs = std::vector<std::pair<QString, QString>>;
// Makes what is to be kept of a player's sums from what is kept now.
using KnowledgeUpdate =
    std::function<std::vector<SumKnowledge>(const std::vector<SumKnowledge> &kept)>;

// Where the settings of one application live: sections of key/value texts,
// each section listed in the order its keys were first written. Section and
// key names match regardless of letter case and keep their first spelling.
// Every call answers rather than throws: a store that cannot be read gives
// nothing, and a write that did not reach the disk returns false.
class SettingsBackend {
  public:
    virtual ~SettingsBackend() = default;

    virtual std::optional<QString> read(const QString &section, const QString &key) = 0;
    // Empty when the section does not exist or cannot be read.
    virtual SettingPairs readAll(const QString &section) = 0;
    // What readAll gives from position `first` on, at most `limit` pairs (all
    // when negative), each key and value cut to at most `textLimit` characters
    // (whole when negative): a long section, or a long value, can be shown
    // before all of it is read.
    virtual SettingPairs readPart(const QString &section, qsizetype first, qsizetype limit,
                                  qsizetype textLimit = -1);
    // How many pairs readAll would give.
    virtual qsizetype count(const QString &section);
    using Visit = std::function<void(QByteArrayView key, QByteArrayView value)>;
    // Hands each pair readAll would give, in order, as UTF-8 that lasts for the
    // call only: a long section read once, with no copies made. A store may
    // hand a later part to `rest` on another thread, from the last pair
    // backwards, while `visit` gets the earlier part in order: every pair
    // `visit` gets comes before every pair `rest` gets.
    virtual void visitAll(const QString &section, const Visit &visit, const Visit &rest);

    // What a reader made of a section's first `pairs` pairs, kept beside
    // them so that a long section need not be read whole every time;
    // `through` is where those pairs end, as visitAfter told it.
    struct Digest {
        QByteArray bytes;
        qint64 through = 0;
        qsizetype pairs = 0;
    };
    // As visitAll, for the pairs past `after` only (all of them when
    // nothing); where the pairs visited end, or nothing when the store
    // cannot tell or not all could be read. A store that keeps no digests
    // tells nothing.
    virtual std::optional<qint64> visitAfter(const QString &section, std::optional<qint64> after,
                                             const Visit &visit, const Visit &rest);
    // The section's digest, while every pair it covers is still as it was
    // and none was put among them; a store that keeps none gives nothing.
    virtual std::optional<Digest> readDigest(const QString &section);
    // Keeps a digest of the section unless its pairs are no longer those
    // read; false when it was not kept.
    virtual bool keepDigest(const QString &section, const Digest &digest);
    // All pairs land together or none does.
    virtual bool write(const QString &section, const SettingPairs &pairs) = 0;

    enum class Insertion { Added, KeyTaken, Failed };
    // Stores the pair only where the section has no such key yet, checked and
    // written in one step where the store allows, so two copies cannot both add it.
    virtual Insertion insert(const QString &section, const QString &key, const QString &value);

    // What is kept of the sums of the player whose history is `section`
    // (matched as sections are), in no particular order; empty when nothing
    // is kept or it cannot be read. A store that keeps none gives nothing.
    virtual std::vector<SumKnowledge> readKnowledge(const QString &section);
    // As insert, and when the pair is added, what is kept of the player's
    // sums is replaced, in the same transaction, by what `update` makes of
    // what is kept at that moment: two copies can both end a game and lose
    // nothing. `update` may read the store. A store that keeps no knowledge
    // adds the pair alone.
    virtual Insertion insertWithKnowledge(const QString &section, const QString &key,
                                          const QString &value, const KnowledgeUpdate &update);
    // Why what is written may not be kept, as far as can be told without
    // writing: a read could not reach what the store holds (a lock held too
    // long, or no plain file in its place), so a value read as missing may be
    // there; the file belongs to another program or a later version; the
    // file, its folder or its disk refuses writes.
    enum class Trouble { None, Unreadable, NotOurs, Unwritable };
    virtual Trouble trouble() { return Trouble::None; }
    // Whether calls wait for a lock another program holds, as long as the
    // store allows, or give up at once: work done only to save time later
    // must not hold the player up.
    virtual void setWaitForLocks(bool) {}
    // Whether the store is still checking its file at start-up.
    virtual bool checking() { return false; }
};
