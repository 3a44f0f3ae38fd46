#include "road_data.h"

namespace lendora::test::road {

// The EMIs of the Basic Details (flat rate, L / N x (1 + N x I / 1200)):
//   own          2400000 / 240 x (1 + 240 x 9.5 / 1200)   = 29000     -> "29000."
//   competitor 1 3000000 / 180 x (1 + 180 x 10.25 / 1200) = 42291.666 -> "42291.67"
//   competitor 2 2000000 / 300 x (1 + 300 x 8.75 / 1200)  = 21250     -> "21250" (single)
// Strategy 1 lowers the interest to 9: EMI 10000 x (100 + 9 x 20) / 100 = 28000 -> "28000.".
//
// The estimates of the two strategies were computed apart from the program,
// once, with this Python (round() rounds halves to even):
//
//   base = {0: [9.5, 25000, 2400000, 80, 240, 29000, 5000],
//           1: [10.25, 30000, 3000000, 85, 180, 42291.67, 2500],
//           2: [8.75, 20000, 2000000, 75, 300, 21250, 10000]}
//   poll = {0: [[18,6,9,7,5,8,4], [22,5,12,9,8,11,6], [10,4,6,5,9,7,3]],
//           1: [[14,8,12,9,4,6,3], [16,7,15,11,6,8,4], [12,5,9,8,7,5,2]],
//           2: [[20,5,7,6,7,10,9], [25,4,9,7,10,14,12], [9,3,5,4,11,8,6]]}
//   def estimate(f, r, v):
//       (xa, xb, xc), (ya, yb, yc) = [base[b][f] for b in (0, 1, 2)], [poll[b][r][f] for b in (0,
//       1, 2)] d1 = (ya - yb) / (xa - xb); d2 = (yb - yc) / (xb - xc) A = (d1 - d2) / (xa - xc); B
//       = d1 - A * (xa + xb); C = ya - (A * xa * xa + B * xa) return (A * v * v + B * v) + C
//   strategies = [([9, 25000, 2400000, 80, 240, 28000, 5000], [1,0,0,0,0,1,0]),
//                 ([9.5, 25000, 2400000, 82, 240, 29000, 7500], [0,0,0,1,0,0,1])]
//   for values, flags in strategies:
//       for r in range(3):
//           row = [round(estimate(f, r, values[f])) if flags[f] else poll[0][r][f] for f in
//           range(7)] print(row, sum(row), sum(row) - sum(poll[0][r]))
//
// which printed (the curve values before rounding in brackets):
//   strategy 1  [20 (19.56), 6, 9, 7, 5, 8 (8.22), 4]   59   2
//               [24 (24.33), 5, 12, 9, 8, 11 (11.34), 6] 75   2
//               [9 (9.22), 4, 6, 5, 9, 7 (7.14), 3]     43  -1
//   strategy 2  [18, 6, 9, 8 (7.68), 5, 8, 6 (6.0)]     60   3
//               [22, 5, 12, 10 (9.8), 8, 11, 9 (8.67)]  77   4
//               [10, 4, 6, 6 (5.96), 9, 7, 4 (4.33)]    46   2
// These are the rows of `MSFG_Seg_Analysis` in walk.txt; the Basic Details,
// poll totals and comparison tables there follow from them by addition.
// Every new value lies between the brands' values and every curve rests on
// more than five respondents, so the forecast raises no warning.

const Project& demoProject() {
    static const Project project{"Home Loan Campaign",
                                 "Dream Home Loan",
                                 "DreamHome",
                                 {"City Bank", "Rural Credit Union"},
                                 {"CityHome", "RuralNest"},
                                 {{{"30", "45", "25.0"},
                                   {"9.5", "10.25", "8.75"},
                                   {"25000", "30000", "20000"},
                                   {"2400000", "3000000", "2000000"},
                                   {"80", "85", "75"},
                                   {"240", "180", "300"},
                                   {},
                                   {"5000", "2500", "10000"}}}};
    return project;
}

const Audience& demoAudience() {
    static const Audience audience{
        "Salaried home buyers",
        {"Young professionals, 25 to 30", "Families with children", "Senior staff near retirement"},
    };
    return audience;
}

const Poll& demoPoll() {
    static const Poll poll{{{{"18", "6", "9", "7", "5", "8", "4"},
                             {"22", "5", "12", "9", "8", "11", "6"},
                             {"10", "4", "6", "5", "9", "7", "3"}},
                            {{"14", "8", "12", "9", "4", "6", "3"},
                             {"16", "7", "15", "11", "6", "8", "4"},
                             {"12", "5", "9", "8", "7", "5", "2"}},
                            {{"20", "5", "7", "6", "7", "10", "9"},
                             {"25", "4", "9", "7", "10", "14", "12"},
                             {"9", "3", "5", "4", "11", "8", "6"}}}};
    return poll;
}

const Preview& demoPreview() {
    static const Preview preview{
        1,
        2,
        "Opt_Interest",
        {"Interest - 10.25", "Maximum Eligible Income - 30000", "Maximum Loan Value - 3000000",
         "Maximum Loan Percentage - 85", "Repament Period - 180", "Freebies - 2500"},
        "You have selected Young professionals, 25 to 30, \r\n"
        "Product - Product 2, \r\n"
        "and\r\n"
        "Feature - Interest - 10.25",
    };
    return preview;
}

const std::vector<Strategy>& demoStrategies() {
    static const std::vector<Strategy> strategies{
        // A lower interest; the EMI follows.
        {{{"9", {}, {}, {}, {}, {}, {}}}, "28000.", "10000101"},
        // A higher loan percentage and more freebies.
        {{{{}, {}, {}, "82", {}, {}, "7500"}}, "29000.", "00010010"},
    };
    return strategies;
}

} // namespace lendora::test::road
