// Reading an SQL query's own words: what makes a row stand for several rows, and where a
// column can be added, past literals, quoted names, comments and subqueries.
#include <gtest/gtest.h>

#include "platform/data/sqlite_query_shape.h"

TEST(SqliteQueryShape, OnlyThePlainSelectsOwnWordsDecideRowPerRow) {
  struct Case {
    const char* sql;
    bool rowPerRow;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"SELECT a FROM t WHERE b > 1 ORDER BY a", true},
           {"select a from t where b in (select distinct b from u group by b)", true},
           {"SELECT \"group\", 'DISTINCT', [union], `except` FROM t -- GROUP BY a", true},
           {"SELECT a /* HAVING */ FROM t", true},
           {"SELECT a FROM t; SELECT DISTINCT a FROM t", true},
           {"select distinct a from t", false},
           {"SELECT a FROM t GROUP BY a", false},
           {"SELECT a FROM t HAVING count(*) > 1", false},
           {"SELECT a FROM t UNION SELECT a FROM u", false},
           {"SELECT a FROM t INTERSECT SELECT a FROM u", false},
           {"SELECT a FROM t EXCEPT SELECT a FROM u", false},
           {"WITH x AS (SELECT 1) SELECT * FROM x", false},
           {"VALUES (1)", false},
           {"", false},
       }) {
    EXPECT_EQ(IsRowPerRowSelect(c.sql), c.rowPerRow) << c.sql;
  }
}

TEST(SqliteQueryShape, TrailingColumnGoesBeforeTheQuerysOwnFrom) {
  struct Case {
    const char* sql;
    const char* expected;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"SELECT a, b FROM t ORDER BY 2", "SELECT a, b , rowid FROM t ORDER BY 2"},
           {"select a\nfrom t", "select a\n, rowid from t"},
           {"SELECT (SELECT max(x) FROM u) AS m, 'FROM' AS \"from\" FROM t",
            "SELECT (SELECT max(x) FROM u) AS m, 'FROM' AS \"from\" , rowid FROM t"},
           {"SELECT 'it''s -- FROM', a /* FROM */ FROM t", "SELECT 'it''s -- FROM', a /* FROM */ , rowid FROM t"},
           {"SELECT *FROM t", "SELECT *, rowid FROM t"},
           {"SELECT 1", ""},
           {"SELECT 'unterminated FROM t", ""},
           {"WITH x AS (SELECT 1) SELECT * FROM x", ""},
       }) {
    EXPECT_EQ(WithTrailingColumn(c.sql, "rowid"), c.expected) << c.sql;
  }
}
