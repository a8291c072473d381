#include "date_parse.h"

#include "../value/convert.h"
#include "../value/text_forms.h"
#include "../value/value.h"

double DateFromText(TextView text) {
  double date = 0;
  if (ParseDateText(text, date)) return date;
  Value source;
  source.SetText(text);
  RaiseConversionError(source, varDate);
}
