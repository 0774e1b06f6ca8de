// The marks beside the CHL and CHS rows of a borderline date: small labels
// placed right after the rows' values, bound to the view model.
#pragma once

#include <QLabel>

#include "app/view_model.h"

namespace vemla {

class BorderlineMarks {
  public:
    // Finds the CHL and CHS value labels among `window`'s children and puts
    // a mark right after each in its grid cell; without them it does nothing.
    explicit BorderlineMarks(QWidget* window);
    void Bind(const MainView& view);

  private:
    QLabel* chl_ = nullptr;  // lblBorderline_0
    QLabel* chs_ = nullptr;  // lblBorderline_1
};

}  // namespace vemla
