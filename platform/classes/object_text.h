#pragma once

#include "platform/core/exceptions.h"
#include "platform/core/streams.h"

// Bad text given to ObjectTextToBinary; the message names the line.
class EParserError : public EReadError {
 public:
  using EReadError::EReadError;
};

// Converts a component stream (starting with "TPF0") to its text form:
//
//   object MainPanel: TSamplePanel          (also "inherited", "inline", "[n]" child order)
//     Width = 640                           integers; reals 0.25; 1.5S single; 2.5C currency;
//     Caption = 'it''s'#13#10'ok'           45000.5D date; strings quoted, control characters
//     Color = clWindow                      as #nn; idents, True/False/nil/Null; [a, b] sets;
//     Lines.Strings = (                     ( ... ) lists; < item [n] ... end> collections;
//       'alpha')                            { hex } binary data; nested objects up to "end".
//   end
//
// Non-ASCII text is written quoted, as UTF-8; #nnn codes read back as UTF-16 units (so
// #23435#20307 is the same text as '宋体'). Long strings are split with '+' across lines.
// 10-byte reals pass through double: digits beyond double precision are not kept.
// The whole output is written only when the conversion succeeds; bad input raises EReadError
// (or EFilerError for reals that have no text form: infinities and NaN).
void ObjectBinaryToText(TStream& input, TStream& output);

// The reverse: text form to a component stream, written with TWriter's encodings (smallest
// integers, ASCII strings as byte strings, other text as UTF-8 strings). Raises EParserError
// naming the line on bad text; writes nothing then.
void ObjectTextToBinary(TStream& input, TStream& output);
