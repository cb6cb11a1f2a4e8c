#pragma once
// The database engine harness of the tests (SQLite and PostgreSQL).
