# The README's commands. Each installs what the machine lacks and builds what is out of date.
JOBS := $(shell nproc)
NATIVE := build/native
WINDOWS := build/windows
FUZZ := build/fuzz
FUZZ_RUNS ?= 1000000

.PHONY: deps native windows fuzzers build test run say mail outbox bench fuzz

deps:
	@scripts/install-deps

# Each build tree is set up from its preset in CMakePresets.json (build/<preset>), first and
# again whenever the presets change (the stamp's time says when it last was; CMake leaves an
# unchanged cache as it is); between those, the build configures itself again when a
# CMakeLists.txt has changed.
build/%/preset.stamp: CMakePresets.json | deps
	cmake --preset $*
	@touch $@

native: deps $(NATIVE)/preset.stamp
	@cmake --build --preset native -j$(JOBS)

windows: deps $(WINDOWS)/preset.stamp
	@cmake --build --preset windows -j$(JOBS)

fuzzers: deps $(FUZZ)/preset.stamp
	@cmake --build --preset fuzz -j$(JOBS)

build: native windows fuzzers

# Native tests on the fakes, each fuzz target briefly, then the Windows build under Wine.
test: build
	ctest --preset native -j$(JOBS)
	ctest --preset fuzz -j$(JOBS)
	ctest --preset windows

# The device needs the Windows programs only; their build speaks only when it rebuilt something.
run: deps
	@scripts/quiet-build windows
	@scripts/run

# A voice command to the device of make run: make say CMD=VorlesenAus; a spoken answer into
# its microphone: make say ANSWER=answer.wav or ANSWER="Ich komme um drei.". The build speaks up
# only when it rebuilt something or failed.
say: export LECTAVO_ANSWER = $(value ANSWER)
# An answer to the device's question counts only within its 10 s: it goes out at once, with the
# build the running device has, rather than after a build.
say: deps
	@if [ -n "$$LECTAVO_ANSWER" ]; then scripts/say-answer; \
	else case "$(CMD)" in Ja | Nein | Yes | No) ;; *) scripts/quiet-build windows ;; esac; \
	  scripts/say $(CMD); fi

# Mail for the device of make run: make mail STORE=Büro FROM="Name <address>" SUBJECT=… BODY=…
# The values go on unexpanded, so quotes and $ arrive as typed.
mail: export LECTAVO_MAIL_STORE = $(value STORE)
mail: export LECTAVO_MAIL_FROM = $(value FROM)
mail: export LECTAVO_MAIL_SUBJECT = $(value SUBJECT)
mail: export LECTAVO_MAIL_BODY = $(value BODY)
mail: deps
	@scripts/quiet-build windows
	@scripts/mail

# What the device of make run keeps in its outboxes: the answers sent and those not sent.
outbox:
	@scripts/outbox

bench: build
	@scripts/bench

# Every fuzz target for FUZZ_RUNS executions.
fuzz: fuzzers
	@scripts/fuzz $(FUZZ) $(FUZZ_RUNS)
