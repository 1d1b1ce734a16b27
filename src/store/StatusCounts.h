#pragma once

class Dataset;

// Cards of the browser dataset by status.
struct StatusCounts {
    int Cards = 0;
    int Learning = 0;
    int Learned = 0;
    int Removed = 0;
};
StatusCounts CountStatuses(Dataset& cards);
