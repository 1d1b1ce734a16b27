#pragma once

#include <string_view>

class Dataset;

// Cards of the browser dataset by status.
struct StatusCounts {
    int Cards = 0;
    int Learning = 0;
    int Learned = 0;
    int Removed = 0;

    // Counts one card of the given status (UTF-8, as the file holds it) in or, with a
    // negative `delta`, out. A new card, or a status the program does not know, counts in
    // none of the three.
    void Tally(std::string_view status, int delta);
};

// Walks every record of `cards` and counts them by status; Dataset::Statuses() keeps the
// same figures without the walk.
StatusCounts CountStatuses(Dataset& cards);
