#include "clsChartSolar.h"

#include "ChartState.h"
#include "mdlChartSolarLib.h"

clsChartSolar::clsChartSolar(const ChartState& state) : state_(&state) {}

double clsChartSolar::CalcTime() const {
  return gFromSolarTime(*state_, solarTime_);
}
