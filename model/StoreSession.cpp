// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/StoreSession.h"

void StoreSession::clearPressCounts() {
    pressCounts.fill(kNoPressCount);
    highestKey = -1;
    lowestKey = -1;
}

void StoreSession::findHighestAndLowestKeys() {
    int highest = kFirstKey;
    int lowest = kFirstKey;
    for (int key = kFirstKey + 1; key <= kLastKey; ++key) {
        const int count = pressCounts[key];
        if (count > pressCounts[highest])
            highest = key;
        if (count > 0 && (count < pressCounts[lowest] || pressCounts[lowest] <= 0))
            lowest = key;
    }
    highestKey = pressCounts[highest] > 0 ? highest : -1;
    lowestKey = pressCounts[lowest] > 0 ? lowest : -1;
}
