#pragma once

// The run's clock estimates the time left from the time spent so far and the total bar,
// assuming the rest of the run goes at the average pace up to now.

// Seconds remaining after `elapsed` seconds at `totalPercent` (0..100) of the whole run:
// elapsed / (percent / 100) - elapsed, rounded to the nearest whole number with a half going to
// the even neighbour. At 0 % nothing can be estimated and `previous` stands.
int EstimateRemainingSeconds(int elapsed, int totalPercent, int previous);
