// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "bench/learning_profiles.h"

#include <algorithm>
#include <functional>

namespace {
// Children and facts differ this much (standard deviations of the activation's
// shifts; the published fit was on adults and gives no spread for children).
constexpr double abilitySpread = 0.15;
constexpr double easeSpread = 0.1;

bool anyOf(int a, int b, std::initializer_list<int> factors) {
    return std::count(factors.begin(), factors.end(), a) +
               std::count(factors.begin(), factors.end(), b) >
           0;
}

bool bothOf(int a, int b, std::initializer_list<int> factors) {
    return std::count(factors.begin(), factors.end(), a) &&
           std::count(factors.begin(), factors.end(), b);
}

Familiarities byFactors(const std::function<Familiarity(int, int)> &rule) {
    Familiarities familiarities{};
    for (int a = 1; a <= 15; ++a) {
        for (int b = a; b <= 15; ++b)
            familiarities[size_t(factOf(a, b))] = rule(a, b);
    }
    return familiarities;
}

Familiarities easyKnown(std::mt19937 &) {
    return byFactors([](int a, int b) {
        if (anyOf(a, b, {1, 2, 5, 10, 11}))
            return Familiarity::Known;
        if (bothOf(a, b, {3, 4, 6, 9}))
            return Familiarity::Learning;
        return Familiarity::Weak;
    });
}

Familiarities beginner(std::mt19937 &) {
    return byFactors([](int a, int b) {
        if (anyOf(a, b, {1, 2, 10}))
            return Familiarity::Known;
        if (anyOf(a, b, {5}))
            return Familiarity::Learning;
        return Familiarity::New;
    });
}

Familiarities nearlyThere(std::mt19937 &random) {
    Familiarities familiarities = byFactors([](int a, int b) {
        return std::max(a, b) <= 12 ? Familiarity::Known : Familiarity::Learning;
    });
    // A few stubborn facts among the harder ones.
    std::uniform_int_distribution<int> factor(6, 12);
    for (int weak = 0; weak < 6; ++weak)
        familiarities[size_t(factOf(factor(random), factor(random)))] = Familiarity::Weak;
    return familiarities;
}

// Earlier sessions, `spacing` days apart, the last some days before day 0.
void practisedBefore(ChildMemory &memory, int fact, const ChildClock &clock, int sessions,
                     double spacing, double lastDaysAgo) {
    for (int session = sessions - 1; session >= 0; --session)
        memory.see(fact, clock.daysAgo(lastDaysAgo + spacing * session));
}
} // namespace

const std::vector<Profile> &learningProfiles() {
    static const std::vector<Profile> profiles{
        {"easy tables known (1, 2, 5, 10, 11), 7, 8, 12-15 weak", easyKnown},
        {"beginner (1, 2, 10 known, 5 learning)", beginner},
        {"nearly there (up to 12 x 12 known but 6)", nearlyThere},
    };
    return profiles;
}

ChildMemory drawChild(const Profile &profile, const ChildClock &clock, std::mt19937 &random) {
    std::normal_distribution<double> ability(0, abilitySpread);
    std::normal_distribution<double> ease(0, easeSpread);
    std::array<double, factCount> factEase{};
    for (double &each : factEase)
        each = ease(random);
    ChildMemory memory(ability(random), factEase);

    const Familiarities familiarities = profile.familiarities(random);
    // Known: seen every third day or so for months; learning: for a month.
    std::uniform_real_distribution<double> recentDays(1, 7);
    std::uniform_real_distribution<double> longAgo(30, 120);
    std::uniform_int_distribution<int> knownSessions(40, 60);
    std::uniform_int_distribution<int> learningSessions(8, 12);
    for (int fact = 0; fact < factCount; ++fact) {
        switch (familiarities[size_t(fact)]) {
        case Familiarity::Known:
            practisedBefore(memory, fact, clock, knownSessions(random), 3, recentDays(random));
            break;
        case Familiarity::Learning:
            practisedBefore(memory, fact, clock, learningSessions(random), 3, recentDays(random));
            break;
        case Familiarity::Weak:
            practisedBefore(memory, fact, clock, 2, 7, longAgo(random));
            break;
        case Familiarity::New:
            break;
        }
    }
    return memory;
}
