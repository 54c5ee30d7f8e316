#include "ChartSolar.h"

#include "ChartState.h"
#include "SolarFormulas.h"

ChartSolar::ChartSolar(const ChartState& state) : state_(&state) {}

double ChartSolar::CalcTime() const {
  return FromSolarTime(*state_, solarTime_);
}
