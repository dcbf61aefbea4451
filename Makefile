# Two commands do everything on a fresh Debian 12 machine; see README.md.
.PHONY: run test dist clean

run:
	@bash tools/run.sh

test:
	@bash tools/test.sh

# The release archives of the 32-bit and 64-bit programs, built from a clean state, in dist/.
dist:
	@bash tools/dist/dist.sh

clean:
	rm -rf build dist
