// SPDX-License-Identifier: GPL-3.0-or-later
#include "Exportexcel.h"

namespace quendrix {

void ExcelOp::SetDefaults() {
    Handle.setNull();
    Width = 280;
    Height = 450;
    ShowLegend = true;
    LegendIncludeInLayout = false;
    ShowTitle = false;
    Title = QByteArrayLiteral("Graph Title");
    TitleFontSize = 14;
    ShowAxisLine = true;
    XAxisPosition = QByteArrayLiteral("-100000000000");
    YAxisPosition = QByteArrayLiteral("-100000000000");
    ShowAxisTitle = true;
    XAxisTitle = QByteArrayLiteral("X Axis");
    YAxisTitle = QByteArrayLiteral("Y Axis");
    TickLabelFontSize = 10;
    AxisFontSize = 10;
    LegendFontSize = 10;
    ReservedFlag = false;
    ShowPlotAreaLine = true;
    LineWeight = 1.0f;
    LineColorMode = 0;
    // MarkerColorMode is left as it is.
    ShowMarker = false;
    MarkerSize = 4;
    MarkerStyle = 8;
    ExportMode = 0;
}

} // namespace quendrix
