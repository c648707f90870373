#pragma once
// Editor properties of a grid column: the kind of editor decides how a stored value
// becomes display text, and whether the value is a native number or date.

#include <string>

#include "platform/MemData.h"
#include "platform/grid/GridTypes.h"

namespace platform::grid {

class TcxCustomEditProperties {
  public:
    virtual ~TcxCustomEditProperties() = default;
    // Text of a stored value as the editor shows it; an empty (null) value gives "".
    virtual std::string displayText(const FieldValue& value) const;

    struct {
        TAlignment Horz = TAlignment::taLeftJustify;
    } Alignment;
};

// Plain text editor: the field's own text (integers as plain digits).
class TcxTextEditProperties : public TcxCustomEditProperties {};

// Number editors with an optional display format such as ",0;-,0".
class TcxCustomNumberEditProperties : public TcxCustomEditProperties {
  public:
    std::string displayText(const FieldValue& value) const override;
    std::string DisplayFormat;
};

class TcxCurrencyEditProperties : public TcxCustomNumberEditProperties {};
class TcxSpinEditProperties : public TcxCustomNumberEditProperties {};
class TcxCalcEditProperties : public TcxCustomNumberEditProperties {};
class TcxDateEditProperties : public TcxCustomEditProperties {};
class TcxTimeEditProperties : public TcxCustomEditProperties {};

// The field's own text of a value: integers as decimal digits, text as stored.
std::string fieldText(const FieldValue& value);

}  // namespace platform::grid
