#include "date_parse.h"

#include "../value/conversion_error.h"
#include "../value/date_text.h"
#include "../value/value.h"

double DateFromText(TextView text) {
  double date = 0;
  if (ParseDateText(text, date)) return date;
  Value source;
  source.SetText(text);
  RaiseConversionError(source, varDate);
}
