# Deployment values: hosts and addresses that differ between builds.
# Each library turns the ones it needs into a generated header; tests and
# staging override them at run time through ORVOCHECK_* environment variables.
set(ORVO_APP_VERSION_TEXT "OrvoCheck_${PROJECT_VERSION}" CACHE STRING "Application version text")
set(ORVO_CONTENT_URL "http://content.orvo.daxo.com/OrvoCheckComp/comp.json"
    CACHE STRING "Comparison file download URL")
set(ORVO_ANALYTICS_HOST_DEFAULT "bi.orvo.daxo.com" CACHE STRING "Production analytics host")
set(ORVO_ANALYTICS_HOST_STAGE "bi-stage.orvo.daxo.com" CACHE STRING "Staging analytics host")
# Web sites the window opens in the browser (host names only; each page's
# scheme and path are fixed in qml/webaddresses.js.in).
set(ORVO_MAKER_WEB_HOST "www.daxo.com" CACHE STRING "Maker's web site (privacy policy)")
set(ORVO_HEADSET_WEB_HOST "www.orvo.com" CACHE STRING "Headset's web site (product and ready-PC pages)")
set(ORVO_STORE_WEB_HOST "store.steampowered.com" CACHE STRING "Store hosting the performance test")
