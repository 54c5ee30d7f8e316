#pragma once
// libxlsxwriter, loaded when the first workbook is written. Linked in, it
// and the crypto library it needs were loaded by every start of the program,
// a few milliseconds that only the spreadsheet command uses.
#include <xlsxwriter.h>

// clang-format off
#define UMBRAFEX_XLSX_FUNCTIONS(X) \
  X(workbook_new) X(workbook_add_worksheet) X(workbook_add_format) \
  X(workbook_add_chart) X(workbook_add_chartsheet) X(workbook_close) \
  X(format_set_align) X(format_set_num_format) X(worksheet_write_string) \
  X(worksheet_write_number) X(worksheet_write_datetime) X(chart_add_series) \
  X(chart_series_set_categories) X(chart_series_set_values) \
  X(chart_series_set_name_range) X(chart_title_set_name) \
  X(chart_title_set_name_font) X(chart_legend_set_position) \
  X(chart_axis_set_num_format) X(chart_axis_set_num_font) X(chart_axis_set_min) \
  X(chart_axis_set_max) X(chart_axis_set_major_unit) X(chartsheet_set_chart) \
  X(chartsheet_activate)
// clang-format on

// The library's functions the workbook uses, typed as its header declares them.
struct XlsxLibrary {
#define UMBRAFEX_XLSX_POINTER(name) decltype(&::name) name = nullptr;
  UMBRAFEX_XLSX_FUNCTIONS(UMBRAFEX_XLSX_POINTER)
#undef UMBRAFEX_XLSX_POINTER
};

// The library, loaded once; nullptr when it is missing or lacks a function.
const XlsxLibrary* LoadXlsxLibrary();
