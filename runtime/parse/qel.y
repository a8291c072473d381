/* The grammar of Qel. The start symbol derives one statement: TParser accepts
   after each one, and the nesting of compound statements lives in the tree
   builder. Each action is the name of the tree builder's routine for its rule
   (tables.m4 makes the table of them, and a rule without one stops the
   build); "NoRoutine" where the reduction makes nothing. Only the tables are
   used: the skeleton emits nothing else. Rules 1 and 2 come first: the driver
   knows them by number. */

%define lr.default-reduction consistent
%expect 0

%token IDENT 257 NUMBER 258 STRING 259 DATE 260 REGEX 261
%token IF 262 CASE 263 LOOP 264 TRY 265 QEL 266 CLASS 267 ELSIF 268 WHEN 269
%token ELSE 270 EXCEPT 271 FINALLY 272 END 273 EXIT 274 NEXT 275 RAISE 276
%token RETURN 277 THEN 278 IS 279 DO 280 WHILE 281 FOR 282 TO 283 STEP 284
%token IN 285 VAR 286 USE 287 AS 288 NEW 289 ATOM 290 TRUE 291 FALSE 292
%token NULL 293
%token CONCAT_OP 301 ADD_OP 302 MUL_OP 303 POW_OP 304 BIT_OP 305 BITNOT 306
%token CMP_OP 307 NOT 308 AND 309 OR 310 ARROW 311 ASSIGN_OP 312 DOT_OP 313
%token EQ 314

/* Lowest first. ARROW is below every operator so that an arrow function's
   body reaches as far right as the expression goes. */
%precedence ARROW
%left OR
%left AND
%precedence NOT
%nonassoc CMP_OP EQ IN
%left CONCAT_OP
%left ADD_OP
%left BIT_OP BITNOT
%left MUL_OP
%left POW_OP

%start unit

%%

unit
  : statement                                           { NoRoutine }
  /* The parser reports the error. */
  | error                                               { NoRoutine }
  ;

statement
  : IF expr THEN                                        { BuildIf }
  | ELSIF expr THEN                                     { BuildElsif }
  | ELSE                                                { BuildElse }
  | CASE expr IS                                        { BuildCase }
  | WHEN expr DO                                        { BuildWhen }
  | LOOP                                                { BuildLoop }
  | WHILE expr loop_word                                { BuildWhile }
  | FOR IDENT IN expr loop_word                         { BuildForEach }
  | FOR IDENT ':' IDENT IN expr loop_word               { BuildForEachKey }
  | FOR IDENT ',' IDENT IN expr loop_word               { BuildForEachIndex }
  | FOR IDENT ':' IDENT ',' IDENT IN expr loop_word     { BuildForEachKeyIndex }
  | FOR IDENT EQ expr TO expr loop_word                 { BuildFor }
  | FOR IDENT EQ expr TO expr STEP expr loop_word       { BuildForStep }
  | TRY                                                 { BuildTry }
  | EXCEPT                                              { BuildExcept }
  | FINALLY                                             { BuildFinally }
  | QEL IDENT params                                    { BuildFunctionHead }
  | CLASS IDENT params                                  { BuildClassHead }
  /* The base is an identifier: a name here would make "B(a)" a call. */
  | CLASS IDENT EQ IDENT params                         { BuildDerivedClassHead }
  | simple_statement ';'                                { NoRoutine }
  | ';'                                                 { NoRoutine }
  | '}'                                                 { BuildCloseBrace }
  | simple_statement '}'                                { BuildCloseBrace }
  ;

/* Loop and end words carry their text as their value. */
loop_word
  : LOOP                                                { NoRoutine }
  | DO                                                  { NoRoutine }
  ;

end_word
  : IF                                                  { NoRoutine }
  | CASE                                                { NoRoutine }
  | LOOP                                                { NoRoutine }
  | DO                                                  { NoRoutine }
  | TRY                                                 { NoRoutine }
  | QEL                                                 { NoRoutine }
  | CLASS                                               { NoRoutine }
  ;

simple_statement
  : END end_word                                        { BuildEnd }
  | EXIT                                                { BuildExit }
  | EXIT WHEN expr                                      { BuildExitWhen }
  | NEXT                                                { BuildNext }
  | NEXT WHEN expr                                      { BuildNextWhen }
  | RETURN                                              { BuildReturn }
  | RETURN expr                                         { BuildReturnValue }
  | RAISE expr                                          { BuildRaise }
  | USE STRING                                          { BuildUse }
  | USE STRING AS IDENT                                 { BuildUseAs }
  | VAR IDENT                                           { BuildVar }
  | VAR IDENT EQ expr                                   { BuildVarAssign }
  ;

/* Opens the function of "var f(params) = e" as an arrow does. */
short_function_start
  : %empty                                              { BuildLambdaStart }
  ;

simple_statement
  : VAR IDENT params EQ short_function_start expr       { BuildShortFunction }
  | target EQ expr                                      { BuildAssign }
  | target ASSIGN_OP expr                               { BuildOpAssign }
  | call                                                { BuildCallStatement }
  | '?' expr                                            { BuildPrint }
  | '?' '.' expr                                        { BuildPrintLine }
  | '?' ',' expr                                        { BuildPrintBlank }
  | '?' ':' expr                                        { BuildPrintTab }
  ;

operation
  : expr OR expr                                        { BuildBinary }
  | expr AND expr                                       { BuildBinary }
  | NOT expr                                            { BuildUnary }
  | expr CMP_OP expr                                    { BuildBinary }
  | expr EQ expr                                        { BuildBinary }
  | expr IN expr                                        { BuildBinary }
  | expr CONCAT_OP expr                                 { BuildBinary }
  | expr ADD_OP expr                                    { BuildBinary }
  | expr BIT_OP expr                                    { BuildBitBinary }
  | BITNOT expr                                         { BuildBitUnary }
  | expr MUL_OP expr                                    { BuildBinary }
  | expr POW_OP expr                                    { BuildBinary }
  | QEL params '{'                                      { BuildBraceFunction }
  | params '{'                                          { BuildParamsBraceFunction }
  | '{'                                                 { BuildPlainBraceFunction }
  ;

lambda_start
  : %empty                                              { BuildLambdaStart }
  ;

operation
  : params ARROW lambda_start expr                      { BuildArrowFunction }
  ;

lambda1_start
  : %empty                                              { BuildLambda1Start }
  ;

operation
  : IDENT ARROW lambda1_start expr                      { BuildArrowFunction }
  ;

lambda0_start
  : %empty                                              { BuildLambda0Start }
  ;

operation
  : ARROW lambda0_start expr                            { BuildArrowFunction }
  | QEL call                                            { BuildDeferredCall }
  | NEW list                                            { BuildNew }
  | VAR IDENT                                           { BuildVarValue }
  | name DOT_OP primary                                 { BuildDotOperator }
  ;

expr
  : operation                                           { BuildPassFirst }
  | primary                                             { BuildPassFirst }
  ;

primary
  : literal                                             { BuildPassFirst }
  | target                                              { BuildPassFirst }
  | call                                                { BuildPassFirst }
  | '(' operation ')'                                   { BuildPassSecond }
  ;

target
  : name                                                { BuildPassFirst }
  | index                                               { BuildPassFirst }
  ;

name
  : IDENT                                               { BuildName }
  | IDENT '?'                                           { BuildOptionalName }
  | primary '.' IDENT                                   { BuildMember }
  | primary '.' IDENT '?'                               { BuildOptionalMember }
  | primary '.' STRING                                  { BuildStringMember }
  ;

literal
  : NUMBER                                              { BuildNumber }
  | ADD_OP NUMBER                                       { BuildSignedNumber }
  | STRING                                              { BuildString }
  | DATE                                                { BuildDate }
  | TRUE                                                { BuildTrue }
  | FALSE                                               { BuildFalse }
  | NULL                                                { BuildNull }
  | REGEX                                               { BuildRegex }
  | list                                                { BuildPassFirst }
  ;

params
  : '(' param_list ')'                                  { BuildParamsValue }
  ;

call
  : name '(' arg_list ')'                               { BuildCall }
  ;

list
  : '[' arg_list ']'                                    { BuildList }
  | '[' arg_list ',' ']'                                { BuildList }
  ;

index
  : target '[' expr ']'                                 { BuildIndex }
  ;

param_list
  : %empty                                              { NoRoutine }
  | IDENT                                               { BuildFirstParam }
  | param_list ',' IDENT                                { BuildNextParam }
  ;

arg_list
  : %empty                                              { NoRoutine }
  | arg                                                 { BuildFirstArg }
  | arg_list ',' arg                                    { BuildNextArg }
  ;

arg
  : expr                                                { BuildPassFirst }
  | IDENT ':' expr                                      { BuildNamedArg }
  | STRING ':' expr                                     { BuildStringNamedArg }
  ;
