#pragma once

class QBoxLayout;
class QWidget;

// Labels the ray-space view's axes outside the image: "u (upper line) →"
// beneath it and "v (lower line)" reading upwards beside it, each with 0 and
// n - 1 at its ends. Puts the view and its labels where the view was in `column`.
void addRaySpaceAxisLabels(QBoxLayout* column, QWidget* raySpace, int n);
