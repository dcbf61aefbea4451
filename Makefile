# Two commands do everything on a fresh Debian 12 machine; see README.md.
.PHONY: run test clean

run:
	@bash tools/run.sh

test:
	@bash tools/test.sh

clean:
	rm -rf build
