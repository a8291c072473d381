/* The grammar of Qel. The start symbol derives one statement: TParser accepts
   after each one, and the nesting of compound statements lives in the tree
   builder. Rules stay in their numbered order; the builder's routines and the
   tests key on the numbers bison gives them (1 is "unit: statement"). Only the
   tables are used: the skeleton tables.m4 emits nothing else. */

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
  : statement                                           /* 1 */
  | error                                               /* 2 */
  ;

statement
  : IF expr THEN                                        /* 3 */
  | ELSIF expr THEN                                     /* 4 */
  | ELSE                                                /* 5 */
  | CASE expr IS                                        /* 6 */
  | WHEN expr DO                                        /* 7 */
  | LOOP                                                /* 8 */
  | WHILE expr loop_word                                /* 9 */
  | FOR IDENT IN expr loop_word                         /* 10 */
  | FOR IDENT ':' IDENT IN expr loop_word               /* 11 */
  | FOR IDENT ',' IDENT IN expr loop_word               /* 12 */
  | FOR IDENT ':' IDENT ',' IDENT IN expr loop_word     /* 13 */
  | FOR IDENT EQ expr TO expr loop_word                 /* 14 */
  | FOR IDENT EQ expr TO expr STEP expr loop_word       /* 15 */
  | TRY                                                 /* 16 */
  | EXCEPT                                              /* 17 */
  | FINALLY                                             /* 18 */
  | QEL IDENT params                                    /* 19 */
  | CLASS IDENT params                                  /* 20 */
  /* The base is an identifier: a name here would make "B(a)" a call. */
  | CLASS IDENT EQ IDENT params                         /* 21 */
  | simple_statement ';'                                /* 22 */
  | ';'                                                 /* 23 */
  | '}'                                                 /* 24 */
  | simple_statement '}'                                /* 25 */
  ;

loop_word
  : LOOP                                                /* 26 */
  | DO                                                  /* 27 */
  ;

end_word
  : IF                                                  /* 28 */
  | CASE                                                /* 29 */
  | LOOP                                                /* 30 */
  | DO                                                  /* 31 */
  | TRY                                                 /* 32 */
  | QEL                                                 /* 33 */
  | CLASS                                               /* 34 */
  ;

simple_statement
  : END end_word                                        /* 35 */
  | EXIT                                                /* 36 */
  | EXIT WHEN expr                                      /* 37 */
  | NEXT                                                /* 38 */
  | NEXT WHEN expr                                      /* 39 */
  | RETURN                                              /* 40 */
  | RETURN expr                                         /* 41 */
  | RAISE expr                                          /* 42 */
  | USE STRING                                          /* 43 */
  | USE STRING AS IDENT                                 /* 44 */
  | VAR IDENT                                           /* 45 */
  | VAR IDENT EQ expr                                   /* 46 */
  ;

short_function_start
  : %empty                                              /* 47 */
  ;

simple_statement
  : VAR IDENT params EQ short_function_start expr       /* 48 */
  | target EQ expr                                      /* 49 */
  | target ASSIGN_OP expr                               /* 50 */
  | call                                                /* 51 */
  | '?' expr                                            /* 52 */
  | '?' '.' expr                                        /* 53 */
  | '?' ',' expr                                        /* 54 */
  | '?' ':' expr                                        /* 55 */
  ;

operation
  : expr OR expr                                        /* 56 */
  | expr AND expr                                       /* 57 */
  | NOT expr                                            /* 58 */
  | expr CMP_OP expr                                    /* 59 */
  | expr EQ expr                                        /* 60 */
  | expr IN expr                                        /* 61 */
  | expr CONCAT_OP expr                                 /* 62 */
  | expr ADD_OP expr                                    /* 63 */
  | expr BIT_OP expr                                    /* 64 */
  | BITNOT expr                                         /* 65 */
  | expr MUL_OP expr                                    /* 66 */
  | expr POW_OP expr                                    /* 67 */
  | QEL params '{'                                      /* 68 */
  | params '{'                                          /* 69 */
  | '{'                                                 /* 70 */
  ;

lambda_start
  : %empty                                              /* 71 */
  ;

operation
  : params ARROW lambda_start expr                      /* 72 */
  ;

lambda1_start
  : %empty                                              /* 73 */
  ;

operation
  : IDENT ARROW lambda1_start expr                      /* 74 */
  ;

lambda0_start
  : %empty                                              /* 75 */
  ;

operation
  : ARROW lambda0_start expr                            /* 76 */
  | QEL call                                            /* 77 */
  | NEW list                                            /* 78 */
  | VAR IDENT                                           /* 79 */
  | name DOT_OP primary                                 /* 80 */
  ;

expr
  : operation                                           /* 81 */
  | primary                                             /* 82 */
  ;

primary
  : literal                                             /* 83 */
  | target                                              /* 84 */
  | call                                                /* 85 */
  | '(' operation ')'                                   /* 86 */
  ;

target
  : name                                                /* 87 */
  | index                                               /* 88 */
  ;

name
  : IDENT                                               /* 89 */
  | IDENT '?'                                           /* 90 */
  | primary '.' IDENT                                   /* 91 */
  | primary '.' IDENT '?'                               /* 92 */
  | primary '.' STRING                                  /* 93 */
  ;

literal
  : NUMBER                                              /* 94 */
  | ADD_OP NUMBER                                       /* 95 */
  | STRING                                              /* 96 */
  | DATE                                                /* 97 */
  | TRUE                                                /* 98 */
  | FALSE                                               /* 99 */
  | NULL                                                /* 100 */
  | REGEX                                               /* 101 */
  | list                                                /* 102 */
  ;

params
  : '(' param_list ')'                                  /* 103 */
  ;

call
  : name '(' arg_list ')'                               /* 104 */
  ;

list
  : '[' arg_list ']'                                    /* 105 */
  | '[' arg_list ',' ']'                                /* 106 */
  ;

index
  : target '[' expr ']'                                 /* 107 */
  ;

param_list
  : %empty                                              /* 108 */
  | IDENT                                               /* 109 */
  | param_list ',' IDENT                                /* 110 */
  ;

arg_list
  : %empty                                              /* 111 */
  | arg                                                 /* 112 */
  | arg_list ',' arg                                    /* 113 */
  ;

arg
  : expr                                                /* 114 */
  | IDENT ':' expr                                      /* 115 */
  | STRING ':' expr                                     /* 116 */
  ;
