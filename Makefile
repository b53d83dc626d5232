# The two commands for a fresh Debian machine: `make run` and `make test`.
.PHONY: run test format

run:
	scripts/run.sh

test:
	scripts/test.sh

format:
	scripts/format.sh
