#include "app/scaledstyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <cmath>

ScaledStyle::ScaledStyle(double factor, QObject* parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), factor_(factor) {
  setParent(parent);
}

bool ScaledStyle::scales(PixelMetric metric) {
  switch (metric) {
    case PM_SliderThickness:
    case PM_SliderControlThickness:
    case PM_SliderLength:
    case PM_SliderTickmarkOffset:
    case PM_SliderSpaceAvailable:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
    case PM_ButtonMargin:
    case PM_ButtonIconSize:
    case PM_SmallIconSize:
    case PM_ToolBarIconSize:
    case PM_ListViewIconSize:
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuBarItemSpacing:
    case PM_MenuBarHMargin:
    case PM_MenuBarVMargin:
    case PM_ToolTipLabelFrameWidth:
    case PM_LayoutLeftMargin:
    case PM_LayoutTopMargin:
    case PM_LayoutRightMargin:
    case PM_LayoutBottomMargin:
    case PM_LayoutHorizontalSpacing:
    case PM_LayoutVerticalSpacing:
    case PM_TitleBarHeight:
    case PM_DockWidgetTitleMargin:
    case PM_DockWidgetTitleBarButtonMargin:
    case PM_DockWidgetSeparatorExtent:
      return true;
    default:
      return false;
  }
}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
  const int base = QProxyStyle::pixelMetric(metric, option, widget);
  // -1 and 0 mean "ask elsewhere" and "none": no size to grow.
  if (factor_ == 1.0 || base <= 0 || !scales(metric)) return base;
  return static_cast<int>(std::lround(base * factor_));
}
