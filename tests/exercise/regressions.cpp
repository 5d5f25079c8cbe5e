// SPDX-License-Identifier: GPL-3.0-or-later
#include "regressions.h"

namespace zephal::exercise {

const std::vector<Regression>& regressions() {
    // Lists as the driver prints them once shrunk.
    static const std::vector<Regression> cases{
        {"stale grid after a failed read",
         "26c0902 seed 1: 2:caption",
         {
             {Act::OpenFile, 0, 4, 0, ""},
         }},
        {"lower maximum of tabs, then a button beyond it",
         "26c0902 seed 32 of 21-120: 1:exception std::out_of_range",
         {
             {Act::OpenFile, 0, 6, 0, ""},
             {Act::TypeMaxTabs, 0, 0, 0, "4"},
             {Act::ClickQuantity, 0, 93, 0, ""},
         }},
        {"lower maximum of tabs leaves buttons beyond the tables",
         "26c0902 seed 3: 2:beyond-tables",
         {
             {Act::TypeMaxTabs, 0, 0, 0, "5"},
         }},
        {"a value beyond the single range keeps the numbers before it",
         "26c0902 seed 6: 3:value-kept",
         {
             {Act::ClickQuantity, 0, 141, 0, ""},
             {Act::TypeValue, 0, 0, 0, "1e40"},
         }},
        {"a base unit of factor 0",
         "26c0902 seed 14: 3:scale-kept",
         {
             {Act::OpenFile, 0, 9, 0, ""},
             {Act::ClickQuantity, 0, 1, 0, ""},
         }},
        {"bars after their window closed",
         "26c0902: 4:bars-after-close",
         {
             {Act::ClickQuantity, 0, 23, 0, ""},
             {Act::ChartRows, 0, 0, 0, ""},
             {Act::CloseConversion, 0, 0, 0, ""},
         }},
        {"a chart cell kept where nothing can be computed",
         "26c0902 seed 1: 3:value-kept, and 4:cell-kept with 3 set aside",
         {
             {Act::ClickQuantity, 0, 2, 0, ""},
             {Act::TickRow, 0, 0, 0, ""},
             {Act::PasteValue, 0, 1, 0, "3.4E+38"},
         }},
        {"a window opened with the chart loaded gave the chart its design caption",
         "ad9ed3e seed 1: 4:caption",
         {
             {Act::ClickQuantity, 0, 125, 0, ""},
             {Act::TickRow, 0, 0, 0, ""},
             {Act::ClickQuantity, 0, 125, 0, ""},
         }},
        {"a result that a single holds as 0 shown as 0",
         "ad9ed3e seed 6: 3:value-kept",
         {
             {Act::ClickQuantity, 0, 7, 0, ""},
             {Act::TypeValue, 0, 0, 0, "1e-30"},
         }},
    };
    return cases;
}

}  // namespace zephal::exercise
