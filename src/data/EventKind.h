// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace dravik {

// What a definition's kind (Tipe) means for the races of a meeting: kind 3 is a
// team event run by the team entries, kinds 7 and 8 are field events in rounds
// (no heats, no photo finish), every other kind is a track race.
enum class EventKind { Track, Relay, Field };

inline EventKind eventKindOf(int tipe)
{
    if (tipe == 3)
        return EventKind::Relay;
    return tipe == 7 || tipe == 8 ? EventKind::Field : EventKind::Track;
}

inline bool isFieldKind(int tipe)
{
    return eventKindOf(tipe) == EventKind::Field;
}

inline bool isRelayKind(int tipe)
{
    return eventKindOf(tipe) == EventKind::Relay;
}

// Kind 6 runs its first heat without a heat title in the draw-order gate
// booklet; the field events have no heat titles at all.
inline bool titlesFirstHeat(int tipe)
{
    return tipe != 6 && !isFieldKind(tipe);
}

} // namespace dravik
