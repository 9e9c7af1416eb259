# This clone built as its next version would be (CMAKE_PROJECT_INCLUDE, with VELMO_NEXT_VERSION):
# the build the update test publishes over the current one.
set(PROJECT_VERSION ${VELMO_NEXT_VERSION})
